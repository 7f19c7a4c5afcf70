#pragma once

#include "data/DataError.h"

#include <QApplication>
#include <QWidget>
#include <QtTest>

// A window brought to the front as the window system does when the user
// clicks it or a box over it closes; true once it is the active window.
inline bool activeAgain(QWidget *window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// A window opened as the menu opens it: shown, then active.
inline bool shownActive(QWidget *window)
{
    window->show();
    return activeAgain(window);
}

// Runs `f`; a database error fails the test with the database's own text
// instead of an unhandled exception.
template <typename F>
void reporting(F &&f)
{
    try {
        f();
    } catch (const data::DataError &e) {
        QFAIL(qPrintable(e.message()));
    }
}
