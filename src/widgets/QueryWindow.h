#pragma once

#include "MovementWindow.h"

#include <QDialog>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <initializer_list>

class QAbstractButton;
class QButtonGroup;
class QLabel;

namespace data { class TDM; class Table; }

namespace widgets {

class DateEdit;
class DBLookupComboBox;

// A query window: fields that say what to ask, a button that asks the
// database and shows the answer (grid, totals), and "&Retornar", which
// clears what the window opened and closes it; Esc is "&Retornar". Every
// showing the program makes (not a restore from the task bar) runs
// FormShow(), which puts the window back to its first state.
class QueryWindow : public QDialog
{
    Q_OBJECT
public:
    // Query windows open centred without title-bar buttons, as the movement
    // windows do, unless `titleButtons`.
    explicit QueryWindow(data::TDM *dm, QWidget *parent = nullptr, bool titleButtons = false);

    virtual void FormShow() {}

protected:
    // `button` runs `handler`; a failure is shown with the database's text.
    void onClick(QAbstractButton *button, std::function<void()> handler);
    // "&Retornar" runs `back`, which clears and ends with leave(); Esc runs
    // it too unless `onEsc` is false (Esc then only closes).
    void setReturn(QAbstractButton *button, std::function<void()> back, bool onEsc = true);
    // The two buttons every query has: `ask` runs `query`, `back` is "&Retornar".
    void setUpQuery(QAbstractButton *ask, std::function<void()> query, QAbstractButton *back,
                    std::function<void()> leaving);
    // Closes the window: the last step of "&Retornar".
    void leave() { QDialog::reject(); }

    void showEvent(QShowEvent *event) override;
    void reject() override;

    // Both dates must be given, the start first ("Período Inicial deve ser
    // informado!" then "Período Final ..."), each refusal with `caption` and
    // the focus on the edit. An impossible date counts as none.
    bool periodGiven(DateEdit *start, DateEdit *end, const QString &caption);
    static QVector<SaveCheck> periodChecks(DateEdit *start, DateEdit *end);
    // A check that `list` has an entry chosen.
    static SaveCheck chosen(DBLookupComboBox *list, const QString &message);
    // The bounds as bound values: ":inicio" the first day and ":depois" the
    // day after the last, so periodCondition(COL) takes the whole of both
    // days whatever time of day a row carries.
    static QVariantMap periodParams(const DateEdit *start, const DateEdit *end);
    static QString periodCondition(const QString &column);

    // The rows of `table` that meet `condition`, read again.
    static void showWhere(data::Table *table, const QString &condition, const QVariantMap &params);
    // Tables a query filtered: filter off, closed.
    static void closeAll(std::initializer_list<data::Table *> tables);
    // A list's table open in the order of `column`; unless `reread`, one
    // already open in that order stays as it is (and so does its choice).
    static void openSorted(data::Table *table, const QString &column, bool reread = true);
    // A list of `table`'s rows showing `shown`, choosing `key`; Enter drops it down.
    static void setUpList(DBLookupComboBox *list, data::Table *table, const QString &key, const QString &shown);
    // A box that switches a list on (its table opened in the order of
    // `column`) and off (the choice cleared, the table closed).
    static void switchList(bool on, DBLookupComboBox *list, data::Table *table, const QString &column);
    // No button of the group checked.
    static void uncheckAll(QButtonGroup *group);
    static void clearAll(std::initializer_list<QLabel *> labels);

    data::TDM *const dm;

private:
    std::function<void()> m_back;
    bool m_backOnEsc = false;
};

} // namespace widgets
