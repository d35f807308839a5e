// Acting on a modal dialog of the window from inside the test that opened it.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace tessaro::prova {

// Acts on the modal dialog as soon as it is open.
inline void quando_aperto(std::function<void(QWidget&)> azione) {
    QTimer::singleShot(0, [azione] {
        QWidget* dialogo = QApplication::activeModalWidget();
        ASSERT_NE(dialogo, nullptr);
        azione(*dialogo);
    });
}

} // namespace tessaro::prova
