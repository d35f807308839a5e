// A numeric field of the Text1 array: it reports when the user leaves it.
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
};

} // namespace tessaro
