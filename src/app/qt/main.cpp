// tessaro: the punching-shear calculator's window.
#include "app/qt/finestra_tessaro.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Where the user's settings (the title block of the PDF report) are kept.
    QCoreApplication::setOrganizationName("Tessaro");
    QCoreApplication::setApplicationName("tessaro");
    // Every text of the program is Italian, and so are the file dialogs and message boxes.
    QTranslator qt_italiano;
    if (qt_italiano.load(QLocale(QLocale::Italian), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qt_italiano);
    tessaro::FinestraTessaro finestra;
    finestra.show();
    return app.exec();
}
