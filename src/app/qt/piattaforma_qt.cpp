// The desktop of the Qt window.
#include "app/qt/piattaforma_qt.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <QUrl>

namespace tessaro {
namespace {

QString testo_qt(const std::string& s) {
    return QString::fromStdString(s);
}
QString percorso_qt(const std::string& s) {
    return QFile::decodeName(s.c_str());
}
std::string percorso_std(const QString& s) {
    return QFile::encodeName(s).toStdString();
}

} // namespace

QString filtro_qt(const std::string& filtro) {
    const QString f = testo_qt(filtro);
    const qsizetype barra = f.indexOf('|');
    QString descrizione = barra < 0 ? QString() : f.left(barra).trimmed();
    const QStringList estensioni =
        (barra < 0 ? f : f.mid(barra + 1)).split(';', Qt::SkipEmptyParts);
    QStringList modelli;
    for (const QString& estensione : estensioni) {
        const QString e = estensione.trimmed();
        modelli << e;
        if (e.toLower() != e) modelli << e.toLower();
    }
    if (descrizione.isEmpty()) return modelli.join(' ');
    // The description may already name its pattern: "FILE DI TESTO (*.TXT)".
    const qsizetype parentesi = descrizione.indexOf('(');
    if (parentesi >= 0) descrizione = descrizione.left(parentesi).trimmed();
    return descrizione + " (" + modelli.join(' ') + ")";
}

PiattaformaQt::PiattaformaQt(QWidget& finestra, const Twips& twips, std::function<void()> mostra,
                             std::function<void(bool)> a_lavoro)
    : finestra_(finestra), twips_(twips), mostra_(std::move(mostra)),
      a_lavoro_(std::move(a_lavoro)) {
    timer_.setInterval(1000);
}

std::string PiattaformaQt::dialogo(const DialogoFile& d, bool salva) {
    // A wildcard is the model's way of saying "no name yet"; the filter shows those files.
    const bool jolly = d.nome_iniziale.find_first_of("*?") != std::string::npos;
    const QString iniziale =
        jolly ? percorso_qt(d.cartella)
              : QDir(percorso_qt(d.cartella)).filePath(percorso_qt(d.nome_iniziale));
    const QString titolo = testo_qt(d.titolo);
    const QString filtro = filtro_qt(d.filtro);
    const QString scelto = salva
                               ? QFileDialog::getSaveFileName(&finestra_, titolo, iniziale, filtro)
                               : QFileDialog::getOpenFileName(&finestra_, titolo, iniziale, filtro);
    return scelto.isEmpty() ? d.nome_iniziale : percorso_std(QDir::toNativeSeparators(scelto));
}

std::string PiattaformaQt::dialogo_salva(const DialogoFile& d) {
    return dialogo(d, true);
}
std::string PiattaformaQt::dialogo_apri(const DialogoFile& d) {
    return dialogo(d, false);
}

void PiattaformaQt::messaggio(const std::string& testo, const std::string& titolo, Icona icona) {
    const QMessageBox::Icon simbolo = icona == Icona::informazione   ? QMessageBox::Information
                                      : icona == Icona::esclamazione ? QMessageBox::Warning
                                                                     : QMessageBox::NoIcon;
    QString righe = testo_qt(testo);
    righe.replace("\r\n", "\n");
    QMessageBox box(simbolo, testo_qt(titolo), righe, QMessageBox::Ok, &finestra_);
    box.exec();
}

bool PiattaformaQt::apri_documento(const std::string& percorso) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(percorso_qt(percorso)));
}

// After a change of the window's size, the events of one screen frame are processed: the
// growing and shrinking window is then seen to move, whatever the speed of the machine.
void PiattaformaQt::processa_eventi() {
    mostra_();
    if (!geometria_cambiata_) return QCoreApplication::processEvents();
    geometria_cambiata_ = false;
    QEventLoop attesa;
    QTimer::singleShot(FOTOGRAMMA_MS, &attesa, &QEventLoop::quit);
    attesa.exec();
}

std::string PiattaformaQt::cartella_corrente() {
    return percorso_std(QDir::toNativeSeparators(QDir::currentPath()));
}

std::string PiattaformaQt::cartella_programma() {
    return percorso_std(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

QRect PiattaformaQt::area_schermo() const {
    return finestra_.screen()->availableGeometry();
}

// The model's screen is the area free of panels and task bars, with its origin at (0, 0).
Geometria PiattaformaQt::schermo() {
    const QRect area = area_schermo();
    return {0, 0, twips_.twips_x(area.width()), twips_.twips_y(area.height())};
}

// The splash, the growth and the farewell keep the model's fixed sizes; the working size is
// handed to the window, which the user may size and move.
void PiattaformaQt::finestra(const Geometria& g) {
    const bool lavoro = g.Width == Twips::LARGHEZZA_LAVORO && g.Height == Twips::ALTEZZA_LAVORO;
    if (a_lavoro_ && lavoro != al_lavoro_) {
        al_lavoro_ = lavoro;
        a_lavoro_(lavoro);
        geometria_cambiata_ = true;
    }
    if (a_lavoro_ && lavoro) return;
    const QRect area = area_schermo();
    finestra_.setFixedSize(twips_.px_x(g.Width), twips_.px_y(g.Height));
    geometria_cambiata_ = true;
    finestra_.move(area.topLeft() + QPoint(twips_.px_x(g.Left), twips_.px_y(g.Top)));
}

void PiattaformaQt::timer(bool attivo) {
    if (attivo)
        timer_.start();
    else
        timer_.stop();
}

// Leaves the event loop without asking the windows to close: a close request would go back to
// the model, which refuses it.
void PiattaformaQt::termina() {
    QCoreApplication::exit(0);
}

} // namespace tessaro
