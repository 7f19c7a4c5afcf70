#include "QueryWindow.h"

#include "DateEdit.h"
#include "LookupCombo.h"
#include "Prompter.h"
#include "data/Table.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QShowEvent>

namespace widgets {

QueryWindow::QueryWindow(data::TDM *dm_, QWidget *parent, bool titleButtons) : QDialog(parent), dm(dm_)
{
    if (!titleButtons)
        setMovementWindowFlags(this);
}

void QueryWindow::onClick(QAbstractButton *button, std::function<void()> handler)
{
    connect(button, &QAbstractButton::clicked, this, [this, handler = std::move(handler)] { guarded(this, handler); });
}

void QueryWindow::setReturn(QAbstractButton *button, std::function<void()> back, bool onEsc)
{
    m_back = std::move(back);
    m_backOnEsc = onEsc;
    onClick(button, m_back);
}

void QueryWindow::setUpQuery(QAbstractButton *ask, std::function<void()> query, QAbstractButton *back,
                             std::function<void()> leaving)
{
    onClick(ask, std::move(query));
    setReturn(back, std::move(leaving));
}

void QueryWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded(this, [this] { FormShow(); });
}

void QueryWindow::reject()
{
    if (m_back && m_backOnEsc)
        guarded(this, m_back);
    else
        QDialog::reject();
}

bool QueryWindow::periodGiven(DateEdit *start, DateEdit *end, const QString &caption)
{
    return passChecks(periodChecks(start, end), this, caption);
}

QVector<SaveCheck> QueryWindow::periodChecks(DateEdit *start, DateEdit *end)
{
    return {{[start] { return !start->isValidDate(); }, QStringLiteral("Período Inicial deve ser informado!"), start},
            {[end] { return !end->isValidDate(); }, QStringLiteral("Período Final deve ser informado!"), end}};
}

QVariantMap QueryWindow::periodParams(const DateEdit *start, const DateEdit *end)
{
    return {{QStringLiteral("inicio"), start->date()}, {QStringLiteral("depois"), end->date().addDays(1)}};
}

QString QueryWindow::periodCondition(const QString &column)
{
    return column + QStringLiteral(" >= :inicio and ") + column + QStringLiteral(" < :depois");
}

SaveCheck QueryWindow::chosen(DBLookupComboBox *list, const QString &message)
{
    return {[list] { return !list->hasSelection(); }, message, list};
}

void QueryWindow::showWhere(data::Table *table, const QString &condition, const QVariantMap &params)
{
    // Closed first: changing the filter of an open table reads it again.
    table->close();
    table->setFilter(condition, params);
    table->setFiltered(true);
    table->open();
}

void QueryWindow::closeAll(std::initializer_list<data::Table *> tables)
{
    for (data::Table *t : tables) {
        t->close();
        t->setFiltered(false);
    }
}

void QueryWindow::openSorted(data::Table *table, const QString &column, bool reread)
{
    if (!reread && table->isActive() && table->indexFieldNames() == column)
        return;
    table->close();
    table->setIndexFieldNames(column);
    table->open();
}

void QueryWindow::setUpList(DBLookupComboBox *list, data::Table *table, const QString &key, const QString &shown)
{
    list->setListSource(table, key, shown);
    list->setDropDownOnEnter(true);
}

void QueryWindow::switchList(bool on, DBLookupComboBox *list, data::Table *table, const QString &column)
{
    if (on) {
        openSorted(table, column);
    } else {
        list->setKeyValue(QVariant());
        table->close();
    }
    list->setEnabled(on);
}

void QueryWindow::uncheckAll(QButtonGroup *group)
{
    group->setExclusive(false);
    for (QAbstractButton *b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

void QueryWindow::clearAll(std::initializer_list<QLabel *> labels)
{
    for (QLabel *l : labels)
        l->clear();
}

} // namespace widgets
