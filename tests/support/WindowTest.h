#pragma once

#include "ScriptedPrompter.h"
#include "TestDatabase.h"

#include "data/DataError.h"
#include "data/UnitDM.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <memory>

// What a window test stands on: its message boxes answered from a script,
// a fresh database and the data module on it.
struct WindowFixture
{
    ScriptedPrompter p;
    TestDatabase tdb;
    data::TDM dm;
    WindowFixture() { dm.IBDatabase1->setDatabaseName(tdb.path()); }
};

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

// A window of type W on the data module: made, handed what the window list
// would hand it (`prepare`: pickers, its registration), shown and active.
template <typename W, typename Prepare>
std::unique_ptr<W> openActive(data::TDM *dm, Prepare &&prepare)
{
    auto w = std::make_unique<W>(dm);
    prepare(w.get());
    [&] { QVERIFY2(shownActive(w.get()), "the window never became active"); }();
    return w;
}

template <typename W>
std::unique_ptr<W> openActive(data::TDM *dm)
{
    return openActive<W>(dm, [](W *) {});
}

// Runs `step` inside the first modal window `wanted` accepts, once it is
// the active one (a picker, a real message box), as the user meets it.
inline void whenModalActive(const std::function<bool(QWidget *)> &wanted, const std::function<void(QWidget *)> &step)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, wanted, step] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isActiveWindow() || !wanted(modal))
            return;
        poll->stop();
        poll->deleteLater();
        step(modal);
    });
    poll->start(5);
}

// The next modal window, whatever it is.
inline void whenModalActive(const std::function<void(QWidget *)> &step)
{
    whenModalActive([](QWidget *) { return true; }, step);
}

// The next modal window of type W.
template <typename W>
void whenModalActive(const std::function<void(W *)> &step)
{
    whenModalActive([](QWidget *modal) { return qobject_cast<W *>(modal) != nullptr; },
                    [step](QWidget *modal) { step(static_cast<W *>(modal)); });
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
