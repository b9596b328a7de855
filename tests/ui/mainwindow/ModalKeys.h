#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

// Runs `open`, which shows a modal window and returns when it has closed;
// `keys` gets that window, active, once it shows. A window the keys left
// open is closed (and the test fails), so a test never hangs on it.
inline void WithModal(const std::function<void()>& open,
                      const std::function<void(QWidget*)>& keys) {
    bool reached = false;
    QTimer::singleShot(0, qApp, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        reached = modal != nullptr;
        if (!modal)
            return;
        // A window over another counts as active before it has the keyboard.
        if (QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }))
            keys(modal);
        if (modal->isVisible()) {
            ADD_FAILURE() << "the keys left the window open";
            modal->close();
        }
    });
    open();
    EXPECT_TRUE(reached) << "no modal window showed";
}

// A key pressed where the keyboard focus is.
inline void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, key, modifiers);
}
