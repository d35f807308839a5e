// The window's tests need one QApplication for the whole program, on a screen of no one's.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The offscreen platform cannot pass a fixed window size on to a window manager, nor raise a
// window, and says so at every step of the window's growth; the rest is worth reading.
QtMessageHandler gestore_qt = nullptr;

void filtra(QtMsgType tipo, const QMessageLogContext& contesto, const QString& messaggio) {
    if (messaggio.contains("does not support propagateSizeHints") ||
        messaggio.contains("does not support raise()"))
        return;
    gestore_qt(tipo, contesto, messaggio);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    gestore_qt = qInstallMessageHandler(filtra);
    QApplication app(argc, argv);
    // The settings the window remembers go to a folder of the tests, not to the user's.
    const QTemporaryDir impostazioni;
    for (const QSettings::Format formato : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(formato, QSettings::UserScope, impostazioni.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
