#pragma once

#include <QString>
#include <QVariantMap>

class QWidget;
namespace widgets { class DateEdit; }

namespace statements {

// The period of a query window: both dates must be given, the start first
// ("Período Inicial deve ser informado!" then "Período Final ..."), each
// refusal with the window's caption and the focus on the edit. An
// impossible date counts as none.
bool periodGiven(widgets::DateEdit *start, widgets::DateEdit *end, const QString &caption, QWidget *parent);

// The bounds as bound values: ":inicio" the first day and ":depois" the day
// after the last, so "COL >= :inicio and COL < :depois" takes the whole of
// both days whatever time of day a row carries.
QVariantMap periodParams(const widgets::DateEdit *start, const widgets::DateEdit *end);
QString periodCondition(const QString &column);

} // namespace statements
