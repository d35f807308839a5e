// A numeric field of the window: it reports when the user leaves it, takes a typed comma as the
// decimal point and leaves on Enter as on Tab.
#pragma once

#include <QLineEdit>

#include <functional>

namespace tessaro {

class CampoTesto : public QLineEdit {
  public:
    explicit CampoTesto(QWidget* parent = nullptr);

    // Run when the user leaves the field by Tab, Shift+Tab or a click on another control;
    // not when the window loses activation, a popup opens or the program moves the focus.
    std::function<void()> lasciato;

  protected:
    void focusOutEvent(QFocusEvent* e) override;
    // A comma typed becomes a point: the Italian keypad's decimal key, and the habit, give a
    // comma, which no number of the calculation may hold. Enter moves on like Tab.
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace tessaro
