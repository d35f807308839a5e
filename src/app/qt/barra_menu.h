// The menu bar of the window "tessaro": File, Vista and Aiuto, with the usual shortcuts. Its
// items reach the same handlers as the buttons; the window connects them.
#pragma once

#include <QAction>
#include <QMenuBar>

namespace tessaro {

struct AzioniMenu {
    // File
    QAction *carica = nullptr, *salva = nullptr, *stampa = nullptr, *relazione_pdf = nullptr,
            *esporta_dxf = nullptr, *esci = nullptr;
    // Calcolo
    QAction* proponi = nullptr;
    // Vista
    QAction *pianta_grande = nullptr, *ingrandisci = nullptr, *riduci = nullptr;
    QAction *unita_tecniche = nullptr, *unita_si = nullptr; // one of the two checked
    // Aiuto
    QAction *manuale = nullptr, *informazioni = nullptr;
};

// Builds the bar with its menus; the actions are written into `azioni`.
QMenuBar* barra_menu(AzioniMenu& azioni, QWidget* genitore);

} // namespace tessaro
