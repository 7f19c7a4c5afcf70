#pragma once

// Shared set-up of the sawn-wood tests: rows written straight into the
// tables, and choosing from a drop-down list with the keyboard.

#include "../logs/LogsTestKit.h"

#include "data/Statement.h"
#include "widgets/LookupCombo.h"

#include <QAbstractItemView>

namespace sawntest {

inline int addSubProduct(data::TDM &dm, const QString &name)
{
    data::execute(dm.IBDatabase1, QStringLiteral("insert into SUBPRODUTO (NOMEGRAU) values (:n)"),
                  {{QStringLiteral("n"), name}});
    return data::firstRow(dm.IBDatabase1, QStringLiteral("select GRAUIND from SUBPRODUTO where NOMEGRAU = :n"),
                          {{QStringLiteral("n"), name}})
        .value(0)
        .toInt();
}

inline void addIntake(data::TDM &dm, const QVariant &species, int product, double volume)
{
    data::execute(dm.IBDatabase1,
                  QStringLiteral("insert into ENTRADA_SERRADA_DISCRIMINACAO (CODIGOESSENCIA, CODIGOPRODUTO, "
                                 "QUANTIDADE, CPF) values (:e, :p, :q, 0)"),
                  {{QStringLiteral("e"), species}, {QStringLiteral("p"), product}, {QStringLiteral("q"), volume}});
}

inline void addOutput(data::TDM &dm, const QVariant &species, int product, double volume)
{
    data::execute(dm.IBDatabase1,
                  QStringLiteral("insert into SAIDA_MADEIRAS_DISCRIMINACAO (CODIGOESSENCIA, CODIGOPRODUTO, "
                                 "TOTALM3, CPF) values (:e, :p, :q, 0)"),
                  {{QStringLiteral("e"), species}, {QStringLiteral("p"), product}, {QStringLiteral("q"), volume}});
}

// A production row: the log PLATE sawn into PRODUCT (a name) on DAY.
inline void addProduction(data::TDM &dm, int plate, const QVariant &species, const QString &speciesName,
                          const QString &product, const QDateTime &day, double log, double sawn, double logValue = 0)
{
    data::execute(dm.IBDatabase1,
                  QStringLiteral("insert into PRODUCAO (CODPRODUTO, CODIGOESSENCIA, ESSENCIA, PRODUTO, DATA, QTORA, "
                                 "QSERRADA, VALTORA) values (:pl, :e, :en, :p, :d, :qt, :qs, :v)"),
                  {{QStringLiteral("pl"), plate},
                   {QStringLiteral("e"), species},
                   {QStringLiteral("en"), speciesName},
                   {QStringLiteral("p"), product},
                   {QStringLiteral("d"), day},
                   {QStringLiteral("qt"), log},
                   {QStringLiteral("qs"), sawn},
                   {QStringLiteral("v"), logValue}});
}

// Enters a list as the user does (it drops down by itself), types the
// start of an entry and takes it with Enter.
inline bool choose(QComboBox *combo, const QString &typed)
{
    if (!combo->hasFocus())
        logstest::focusTo(combo); // a list that drops down on entering takes the focus
    if (!QTest::qWaitFor([combo] { return combo->view()->isVisible(); }, 300))
        QTest::keyClick(combo, Qt::Key_F4); // the user opens it
    if (!QTest::qWaitFor([combo] { return combo->view()->isVisible(); }))
        return false;
    QTest::keyClicks(combo->view(), typed);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    if (!QTest::qWaitFor([combo] { return !combo->view()->isVisible(); }))
        return false;
    // The window under the closed list is the active one again, as the
    // window system makes it.
    // Unless the next field's list dropped down in its turn.
    QTest::qWait(50);
    if (!QApplication::activePopupWidget() && !logstest::activatedAgain(combo->window()))
        return false;
    return combo->currentText().startsWith(typed, Qt::CaseInsensitive);
}

// Alt and a letter, delivered to the window as the window system does.
inline void altKey(QWidget *w, Qt::Key key)
{
    QTest::keyClick(w->window()->windowHandle(), key, Qt::AltModifier);
    QTest::qWait(250);
}

// The list has the keyboard while it is open.
inline bool listFocused(QComboBox *combo)
{
    return QApplication::focusWidget() == combo || QApplication::focusWidget() == combo->view();
}

template <typename W>
inline void showActive(W *w)
{
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}

} // namespace sawntest
