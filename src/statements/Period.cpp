#include "Period.h"

#include "widgets/DateEdit.h"
#include "widgets/Prompter.h"

namespace statements {

bool periodGiven(widgets::DateEdit *start, widgets::DateEdit *end, const QString &caption, QWidget *parent)
{
    if (!start->isValidDate()) {
        widgets::inform(QStringLiteral("Período Inicial deve ser informado!"), caption, parent);
        start->setFocus();
        return false;
    }
    if (!end->isValidDate()) {
        widgets::inform(QStringLiteral("Período Final deve ser informado!"), caption, parent);
        end->setFocus();
        return false;
    }
    return true;
}

QVariantMap periodParams(const widgets::DateEdit *start, const widgets::DateEdit *end)
{
    return {{QStringLiteral("inicio"), start->date()}, {QStringLiteral("depois"), end->date().addDays(1)}};
}

QString periodCondition(const QString &column)
{
    return column + QStringLiteral(" >= :inicio and ") + column + QStringLiteral(" < :depois");
}

} // namespace statements
