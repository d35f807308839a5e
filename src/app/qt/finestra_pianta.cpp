// The window "Pianta".
#include "app/qt/finestra_pianta.h"

#include "app/qt/dialogo_intestazione.h"
#include "app/qt/documenti.h"
#include "app/qt/esporta_pianta.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

namespace tessaro {

FinestraPianta::FinestraPianta(const CalcoTess& f, const Twips& twips,
                               std::function<void()> esporta_dxf, QWidget* genitore)
    : QWidget(genitore, Qt::Window), f_(f), piattaforma_(*this, twips, [] {}),
      vista_(new VistaPianta(f, this)) {
    setObjectName("Pianta");
    setWindowTitle("Pianta");
    auto* barra = new QMenuBar(this);
    barra->setNativeMenuBar(false);
    QMenu* file = barra->addMenu("&File");
    for (const char* tipo : {"png", "svg", "pdf"}) {
        const QString t = QString(tipo);
        QAction* a = file->addAction("Esporta " + t.toUpper() + "...");
        a->setObjectName("esporta_" + t);
        connect(a, &QAction::triggered, this, [this, t] { esporta(t); });
    }
    QAction* dxf = file->addAction("Esporta DXF...");
    dxf->setObjectName("esporta_dxf");
    connect(dxf, &QAction::triggered, this,
            [esporta_dxf = std::move(esporta_dxf)] { esporta_dxf(); });
    file->addSeparator();
    QAction* chiudi = file->addAction("&Chiudi", QKeySequence::Close, this, &QWidget::close);
    chiudi->setObjectName("chiudi");

    QMenu* vista = barra->addMenu("&Vista");
    vista->addAction("&Adatta alla finestra", QKeySequence("Ctrl+0"), vista_, &VistaPianta::adatta)
        ->setObjectName("adatta");
    vista
        ->addAction("+", QKeySequence::ZoomIn, this,
                    [this] { vista_->ingrandisci(VistaPianta::PASSO_ZOOM); })
        ->setObjectName("ingrandisci");
    vista
        ->addAction("-", QKeySequence::ZoomOut, this,
                    [this] { vista_->ingrandisci(1 / VistaPianta::PASSO_ZOOM); })
        ->setObjectName("riduci");

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->setMenuBar(barra);
    v->addWidget(vista_);
    // Large from the start: most of the screen, never more than it.
    const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
    resize(vista_->sizeHint().boundedTo(schermo.size() * 0.85));
}

void FinestraPianta::esporta(const QString& tipo) {
    const std::string nome =
        scegli_file(piattaforma_, f_.cartella_lavoro,
                    "Esporta pianta " + tipo.toUpper().toStdString(), tipo.toStdString());
    if (nome.empty()) return;
    // The sheet's title block is the report's, as last confirmed.
    const QSettings impostazioni;
    if (!esporta_pianta(f_, intestazione_ricordata(impostazioni), nome))
        scrittura_fallita(piattaforma_, nome);
}

} // namespace tessaro
