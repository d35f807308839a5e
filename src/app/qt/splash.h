// The splash panel Picture3: a picture of a column with its stud rails and the program's name,
// and the text the model printed on it (the hint at start-up, the farewell at the end).
#pragma once

#include "app/qt/twips.h"
#include "form/CalcoTess.h"

#include <QWidget>

#include <functional>

namespace tessaro {

class Splash : public QWidget {
  public:
    Splash(const Pannello& Picture3, const Twips& twips, QWidget* parent = nullptr);

    std::function<void()> cliccato; // mouse button released on the panel, or Enter, Space, Esc

  protected:
    void keyPressEvent(QKeyEvent* e) override;

    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    const Pannello& Picture3_;
    const Twips& twips_;
};

} // namespace tessaro
