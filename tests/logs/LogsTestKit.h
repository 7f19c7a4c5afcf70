#pragma once

// Shared set-up of the log movement tests: registers and focus moves.

#include "WindowTest.h"
#include "data/UnitDM.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

namespace logstest {

inline QVariant addSpecies(data::TDM &dm, const QString &name)
{
    data::Table t(dm.IBDatabase1, QStringLiteral("ESSENCIA"), QStringLiteral("CODIGO"));
    t.open();
    t.append();
    t.setValue(QStringLiteral("ESSENCIA"), name);
    for (const char *c : {"ETOROS", "TENTRADA", "TSAIDA"})
        t.setValue(QString::fromLatin1(c), 0);
    t.post();
    return t.value(QStringLiteral("CODIGO"));
}

inline QVariant addSupplier(data::TDM &dm, const QString &name, const QString &cpf, const QString &ie)
{
    data::Table t(dm.IBDatabase1, QStringLiteral("FORNECEDOR"), QStringLiteral("CODIGOFORNECEDOR"));
    t.open();
    t.append();
    t.setValue(QStringLiteral("NOMEFORNECEDOR"), name);
    t.setValue(QStringLiteral("CPF"), cpf);
    t.setValue(QStringLiteral("INSCESTADUAL"), ie);
    t.post();
    return t.value(QStringLiteral("CODIGOFORNECEDOR"));
}

inline QVariant addClient(data::TDM &dm, const QString &name, const QString &cnpj)
{
    data::Table t(dm.IBDatabase1, QStringLiteral("CREDOR"), QStringLiteral("CODIGOCREDOR"));
    t.open();
    t.append();
    t.setValue(QStringLiteral("NOMECREDOR"), name);
    t.setValue(QStringLiteral("CNPJ"), cnpj);
    t.post();
    return t.value(QStringLiteral("CODIGOCREDOR"));
}

// Gives the focus to a control as a click or Tab would, so that the window's
// entering and leaving events run.
inline bool focusTo(QWidget *w)
{
    QWidget *top = w->window();
    if (!top->isActiveWindow()) {
        top->activateWindow();
        QApplication::setActiveWindow(top);
    }
    w->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    return w->hasFocus();
}

// A key as the window system delivers it: to the window that has the
// keyboard (an open drop-down list has it while it is open).
inline void keyTo(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(QGuiApplication::focusWindow(), key, mods);
}

// After a modal window closed: the window under it becomes active again, as
// the window system makes it.
inline bool activatedAgain(QWidget *window)
{
    window->activateWindow();
    // The window itself, not a window sharing its parent's activation.
    return QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window->windowHandle(); });
}

inline double sumOf(data::TDM &dm, const QString &sql)
{
    data::Query q(dm.IBDatabase1, sql);
    q.open();
    return q.fields().isEmpty() ? 0 : q.valueAt(0, 0).toDouble();
}

} // namespace logstest
