// What the form model needs from the desktop: dialogs, message boxes, the document viewer,
// the event loop, the window geometry and the one-second timer. The Qt window and the
// session-script runner each provide one.
#pragma once

#include <string>

namespace tessaro {

struct DialogoFile {
    std::string titolo;         // caption of the dialog
    std::string cartella;       // initial folder
    std::string nome_iniziale;  // initial file name; returned unchanged when cancelled
    std::string filtro;         // "DESCRIZIONE|*.EXT" or "*.EXT"
};

enum class Icona { nessuna, informazione, esclamazione };

struct Geometria {
    int Left = 0, Top = 0, Width = 0, Height = 0; // twips
};

class Piattaforma {
public:
    virtual ~Piattaforma() = default;

    // File dialogs: the chosen name, or the initial name unchanged when cancelled.
    virtual std::string dialogo_salva(const DialogoFile& d) = 0;
    virtual std::string dialogo_apri(const DialogoFile& d) = 0;
    // Modal box with one OK button.
    virtual void messaggio(const std::string& testo, const std::string& titolo, Icona icona) = 0;
    // Opens a document in its usual viewer without waiting; the path is one argument, never
    // part of a command line. False when no viewer took it.
    virtual bool apri_documento(const std::string& percorso) = 0;
    virtual void processa_eventi() = 0;
    virtual std::string cartella_corrente() = 0;
    // The folder of the installed program (where the manual also lies).
    virtual std::string cartella_programma() = 0;
    // Screen size in twips, and the window placed at the given geometry.
    virtual Geometria schermo() = 0;
    virtual void finestra(const Geometria& g) = 0;
    // Timer1: started (1000 ms interval) or stopped.
    virtual void timer(bool attivo) = 0;
    // The program ends.
    virtual void termina() = 0;
};

} // namespace tessaro
