// The menu bar of the window "tessaro".
#include "app/qt/barra_menu.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>

namespace tessaro {
namespace {

QAction* voce(QMenu* menu, const QString& testo, const QString& nome,
              const QKeySequence& scorciatoia = {}) {
    QAction* a = menu->addAction(testo);
    a->setObjectName(nome);
    a->setShortcut(scorciatoia);
    return a;
}

} // namespace

QMenuBar* barra_menu(AzioniMenu& a, QWidget* genitore) {
    auto* barra = new QMenuBar(genitore);
    barra->setObjectName("barra_menu");
    barra->setNativeMenuBar(false); // inside the window, whose size the form model sets

    QMenu* file = barra->addMenu("&File");
    a.carica = voce(file, "&Carica...", "carica", QKeySequence::Open);
    a.salva = voce(file, "&Salva...", "salva", QKeySequence::Save);
    a.stampa = voce(file, "S&tampa...", "stampa", QKeySequence::Print);
    file->addSeparator();
    a.relazione_pdf = voce(file, "&Relazione PDF...", "relazione_pdf");
    a.esporta_dxf = voce(file, "Esporta &DXF...", "esporta_dxf");
    file->addSeparator();
    a.esci = voce(file, "&Esci", "esci", QKeySequence::Quit);

    QMenu* calcolo = barra->addMenu("&Calcolo");
    a.proponi = voce(calcolo, "&Proponi armatura...", "proponi", QKeySequence("Ctrl+R"));

    QMenu* vista = barra->addMenu("&Vista");
    a.pianta_grande = voce(vista, "&Pianta grande", "pianta_grande", QKeySequence("Ctrl+G"));
    a.ingrandisci = voce(vista, "+", "ingrandisci", QKeySequence::ZoomIn);
    a.riduci = voce(vista, "-", "riduci", QKeySequence::ZoomOut);
    vista->addSeparator();
    QMenu* unita = vista->addMenu("&Unità");
    auto* sistemi = new QActionGroup(unita);
    a.unita_tecniche = voce(unita, "Unità &tecniche (kg, cm)", "unita_tecniche");
    a.unita_si = voce(unita, "Unità &SI (kN, mm, N/mm²)", "unita_si");
    for (QAction* s : {a.unita_tecniche, a.unita_si}) {
        s->setCheckable(true);
        sistemi->addAction(s);
    }
    a.unita_tecniche->setChecked(true);

    QMenu* aiuto = barra->addMenu("&Aiuto");
    a.manuale = voce(aiuto, "&Manuale", "manuale", QKeySequence::HelpContents);
    a.informazioni = voce(aiuto, "&Informazioni", "informazioni");
    return barra;
}

} // namespace tessaro
