// tessaro: the punching-shear calculator's window.
#include "app/qt/finestra_tessaro.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tessaro::FinestraTessaro finestra;
    finestra.show();
    return app.exec();
}
