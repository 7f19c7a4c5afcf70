#pragma once

#include "FocusHook.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include <functional>

namespace data { class DataSet; class TDM; }

namespace widgets {

class DBLookupComboBox;
class NumericEdit;

// The movement windows (invoices, packing lists) share one shape: a header
// window and a line window shown without blocking it. Each line is posted
// on its own by a save that runs a chain of checks, asks for confirmation,
// posts and asks whether to go on with another row; closing the line window
// reloads the header's lines and totals. This file holds that shape once.

// One check of a save: when `fails` says so, `message` is shown (information,
// caption "Lançamento") and `focus` takes the focus.
struct SaveCheck
{
    std::function<bool()> fails;
    QString message;
    QWidget *focus = nullptr;
};

// Runs the checks in order and stops at the first that fails. True when all pass.
bool passChecks(const QVector<SaveCheck> &checks, QWidget *parent,
                const QString &caption = QStringLiteral("Lançamento"));

struct MovementSave
{
    QVector<SaveCheck> checks;
    QString confirmText;                    // "Confirma Lançamento?"
    QString confirmCaption = QStringLiteral("Confirmação");
    std::function<void()> declined;         // No to the confirmation
    std::function<void()> post;             // may throw: shown, the row stays pending
    QString continueText;                   // "Insere Outro Produto para esta Nota Fiscal?"
    QString continueCaption = QStringLiteral("Confirmação");
    std::function<void()> another;          // Yes: a new row
    std::function<void()> finished;         // No
};

enum class SaveOutcome { Refused, Declined, Failed, Another, Finished };

// Checks, confirmation, post, "go on?": the save of every movement row.
SaveOutcome runMovementSave(QWidget *window, const MovementSave &save);

// The controls of a header window with nothing loaded: shown and enabled,
// shown and disabled, hidden. Every showing of a header starts from its idle
// state, whatever state the window was in when it last closed.
struct IdleState
{
    QVector<QWidget *> enabled;
    QVector<QWidget *> disabled;
    QVector<QWidget *> hidden;
    void apply() const;
};

// A line window: shown by its header without blocking it. `closed` is
// emitted however it was closed (button, Esc, close()), after FormClose.
// It holds what the line windows do alike: "&Gravar" and "&Retornar", the
// opening steps on each show, the save of a line, a pending row dropped on
// closing, lists whose choice writes a code, the pieces field set to 1 on
// entering, and the last field whose leaving saves.
class MovementLineWindow : public QDialog
{
    Q_OBJECT
public:
    explicit MovementLineWindow(data::TDM *dm, QWidget *parent = nullptr);

    // Shows the window above `header` without making it modal (a modal header
    // would otherwise block it), and puts the focus on `focus`. `onClosed` runs
    // once, when this showing ends.
    void showFor(QWidget *header, QWidget *focus, std::function<void()> onClosed = {});

    // The field a new row starts in ("Código do Produto").
    QWidget *firstField() const { return m_firstField; }

    virtual void FormShow() {}
    virtual void BitBtn1Click() {} // "&Gravar"
    virtual void BitBtn3Click();   // "&Retornar": closes

signals:
    void closed();

protected:
    // The rows typed here, the field a new row starts in, and the two
    // buttons, which run BitBtn1Click() and BitBtn3Click().
    void setUpLines(data::DataSet *rows, QWidget *firstField, QPushButton *save, QPushButton *back);
    data::DataSet *rows() const { return m_rows; }

    // What the window does whenever it closes, before the header hears of
    // it: a row not saved goes with the window.
    virtual void FormClose();

    // Choosing in `list` writes the chosen entry's `listColumn` into the
    // row's `column`, then runs `then`.
    void writesCode(DBLookupComboBox *list, const QString &listColumn, const QString &column,
                    std::function<void()> then = {});
    // The species list: its choice writes the species' code into the row's
    // `column`, then runs `then`. Read again on each showing, so that a
    // species registered meanwhile is there.
    void listsSpecies(DBLookupComboBox *list, const QString &column, std::function<void()> then = {});
    // The sub-products list likewise (its GRAUIND into `column`).
    void listsSubProducts(DBLookupComboBox *list, const QString &column, bool dropDownOnEnter,
                          std::function<void()> then = {});
    // Entering `edit` (a count of pieces) puts 1 into its column and selects it.
    void countsPieces(NumericEdit *edit, const QString &column);
    // Leaving `field` runs `first` (a computed amount), then the save.
    void savesOnLeaving(QWidget *field, std::function<void()> first = {});
    // Reopens a list query with its SQL.
    static void reopen(data::DataSet *list, const QString &sql);

    // The checks every line window has, each with its message.
    static SaveCheck chosen(DBLookupComboBox *list, const QString &message);
    static SaveCheck unitChosen(QComboBox *unit);
    static SaveCheck notZero(NumericEdit *edit, const QString &message);

    // The save of a line: its checks, "Confirma Lançamento?", the post,
    // then `continueText`: Yes appends a row, runs `newRow` and goes to the
    // first field; No runs `finished`, or closes the window.
    SaveOutcome saveLine(QVector<SaveCheck> checks, std::function<void()> post, const QString &continueText,
                         std::function<void()> newRow = {}, std::function<void()> finished = {});

    // The save of an intake line: stored in the yard (SITUACAO 0), then
    // "Insere Outro Produto para esta Nota Fiscal?"; Yes runs `newRow`.
    SaveOutcome saveIntakeLine(QVector<SaveCheck> checks, std::function<void()> newRow);

    // A computed amount: the column receives it as written in the general
    // number format, so it is stored unrounded; with no row being typed the
    // edit shows it with its decimals.
    static void writeComputed(data::DataSet *rows, const QString &column, NumericEdit *edit, double value);

    void showEvent(QShowEvent *event) override;

    data::TDM *dm;

private:
    void windowFinished();

    QVector<QPair<data::DataSet *, QString>> m_lists; // read again on each showing

    QMetaObject::Connection m_onClosed;
    data::DataSet *m_rows = nullptr;
    QWidget *m_firstField = nullptr;
};

// True while `window` is shown with a row of `rows` being typed; the window
// is then brought back to the front. That row is not stored yet and belongs
// to the line window's save or return: a header's line buttons (delete,
// next, prior, another line) must leave it alone, or they would drop it or
// post it without its checks.
bool lineWindowBusy(QDialog *window, data::DataSet *rows);

// Movement windows have no title-bar buttons and open centred.
void setMovementWindowFlags(QDialog *window);

// The title banner across the top of a window.
QLabel *titleBanner(const QString &text);

} // namespace widgets
