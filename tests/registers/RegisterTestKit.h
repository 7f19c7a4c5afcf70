#pragma once

#include "data/UnitDM.h"

#include <QLineEdit>
#include <QSqlQuery>
#include <QtTest>

// Helpers the register window tests share.
namespace kit {

// Types TEXT as key presses, accents included (QTest::keyClicks takes ASCII only).
inline void type(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Replaces the whole text of an edit as a user would (select all, type).
inline void retype(QLineEdit *e, const QString &text)
{
    e->setFocus();
    e->selectAll();
    if (text.isEmpty())
        QTest::keyClick(e, Qt::Key_Delete);
    else
        type(e, text);
}

// Types DIGITS into an empty masked edit from its first position.
inline void typeMasked(QLineEdit *e, const QString &digits)
{
    e->setFocus();
    e->clear();
    e->setCursorPosition(0);
    type(e, digits);
}

inline QString scalar(data::TDM &dm, const QString &sql)
{
    QSqlQuery q(dm.IBDatabase1->database());
    if (!q.exec(sql))
        return QStringLiteral("<error>");
    return q.next() ? q.value(0).toString() : QStringLiteral("<none>");
}

inline bool exec(data::TDM &dm, const QString &sql, const QVariantList &values = {})
{
    dm.IBDatabase1->ensureConnected();
    QSqlQuery q(dm.IBDatabase1->database());
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    return q.exec();
}

inline bool showActive(QWidget *w)
{
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

} // namespace kit
