// The window's tests need one QApplication for the whole program, on a screen of no one's.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The offscreen platform cannot pass a fixed window size on to a window manager and says so
// at every step of the window's growth; the rest is worth reading.
QtMessageHandler gestore_qt = nullptr;

void filtra(QtMsgType tipo, const QMessageLogContext& contesto, const QString& messaggio) {
    if (messaggio.contains("does not support propagateSizeHints")) return;
    gestore_qt(tipo, contesto, messaggio);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    gestore_qt = qInstallMessageHandler(filtra);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
