#pragma once

// Shared set-up of the sale and sawn packing-list window tests: registers, movements, focus
// moves and typing as the user does.

#include "WindowTest.h"
#include "data/Statement.h"
#include "data/Table.h"
#include "data/UnitDM.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"

#include <QApplication>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>

namespace salestest {

inline QVariant addRow(data::TDM &dm, const QString &table, const QString &key, const QVariantMap &values)
{
    data::Table t(dm.IBDatabase1, table, key);
    t.open();
    t.append();
    for (auto it = values.begin(); it != values.end(); ++it)
        t.setValue(it.key(), it.value());
    t.post();
    return t.value(key);
}

inline QVariant addSpecies(data::TDM &dm, const QString &name)
{
    return addRow(dm, "ESSENCIA", "CODIGO", {{"ESSENCIA", name}, {"ETOROS", 0}, {"TENTRADA", 0}, {"TSAIDA", 0}});
}

inline QVariant addSubProduct(data::TDM &dm, const QString &name)
{
    return addRow(dm, "SUBPRODUTO", "GRAUIND", {{"NOMEGRAU", name}});
}

inline QVariant addClient(data::TDM &dm, const QString &name, const QString &cnpj, const QString &ie = {})
{
    return addRow(dm, "CREDOR", "CODIGOCREDOR", {{"NOMECREDOR", name}, {"CNPJ", cnpj}, {"IE", ie}});
}

// Sawn wood bought in: what a sale may take.
inline void addIntake(data::TDM &dm, const QVariant &species, const QVariant &product, double volume)
{
    data::execute(dm.IBDatabase1,
                  "insert into ENTRADA_SERRADA_DISCRIMINACAO (CODIGOESSENCIA, CODIGOPRODUTO, QUANTIDADE, CPF) "
                  "values (:s, :p, :q, 0)", {{"s", species}, {"p", product}, {"q", volume}});
}

inline double number(data::TDM &dm, const QString &sql, const QVariantMap &params = {})
{
    return data::firstRow(dm.IBDatabase1, sql, params).value(0).toDouble();
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

// Enters an edit, replaces its text by typing, as the user does.
inline void typeInto(QLineEdit *edit, const QString &text)
{
    QVERIFY(focusTo(edit));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

inline void typeInto(QAbstractSpinBox *spin, const QString &text)
{
    QVERIFY(focusTo(spin));
    spin->selectAll();
    QTest::keyClick(spin, Qt::Key_Backspace);
    QTest::keyClicks(spin, text);
}

// Enters a drop-down list (which may drop it down) and picks an entry as a
// click in the list does.
inline void choose(QComboBox *combo, const QString &text)
{
    focusTo(combo);
    combo->hidePopup();
    const int i = combo->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    combo->setCurrentIndex(i);
    emit combo->activated(i);
}

} // namespace salestest

namespace salestest {

// Makes `window` the active window, as the window system does after a box
// or a picker closed over it.
inline bool activate(QWidget *window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// Runs `step` in `modal` once it is the active modal window (a picker).
inline void whenActive(QWidget *modal, const std::function<void()> &step)
{
    whenModalActive([modal](QWidget *active) { return active == modal; }, [step](QWidget *) { step(); });
}

// The client picker, once it opens: `typed` in its search edit and Enter.
inline void pickWhenShown(QWidget *picker, QLineEdit *search, const QString &typed)
{
    whenActive(picker, [search, typed] {
        QTest::keyClicks(search, typed);
        QTest::keyClick(search, Qt::Key_Return);
    });
}

} // namespace salestest
