// The desktop as the form model sees it in the Qt window: file dialogs, message boxes, the
// document viewer, the event loop, the window geometry in twips and the one-second timer.
#pragma once

#include "app/qt/twips.h"
#include "form/Piattaforma.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>

namespace tessaro {

// A filter of the model ("*.CSE", "FILE DI TESTO (*.TXT)|*.TXT") as a Qt name filter that
// also lists the lower-case spelling of each extension.
QString filtro_qt(const std::string& filtro);

class PiattaformaQt : public Piattaforma {
  public:
    static constexpr int FOTOGRAMMA_MS = 15; // one step of the window's growth on screen

    // finestra: the window that is placed and owns the dialogs; twips: its scale, which the
    // window may still change after construction; mostra: shows the model's state in the
    // window, so that processing pending events repaints what the model holds now.
    // a_lavoro: told true when the model puts the window at its working size, false when it
    // takes it away again (the farewell); while at work the window is the user's to size and
    // place, and the model's geometry is not applied. Without it every geometry is applied.
    PiattaformaQt(QWidget& finestra, const Twips& twips, std::function<void()> mostra,
                  std::function<void(bool)> a_lavoro = {});

    std::string dialogo_salva(const DialogoFile& d) override;
    std::string dialogo_apri(const DialogoFile& d) override;
    void messaggio(const std::string& testo, const std::string& titolo, Icona icona) override;
    bool apri_documento(const std::string& percorso) override;
    void processa_eventi() override;
    std::string cartella_corrente() override;
    std::string cartella_programma() override;
    Geometria schermo() override;
    void finestra(const Geometria& g) override;
    void timer(bool attivo) override;
    void termina() override;

    QTimer& Timer1() { return timer_; }

  private:
    std::string dialogo(const DialogoFile& d, bool salva);
    QRect area_schermo() const;

    QWidget& finestra_;
    const Twips& twips_;
    std::function<void()> mostra_;
    std::function<void(bool)> a_lavoro_;
    bool al_lavoro_ = false; // the window is at its working size
    QTimer timer_;
    bool geometria_cambiata_ = false; // since events were last processed
};

} // namespace tessaro
