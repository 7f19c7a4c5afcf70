#pragma once

#include "MovementWindow.h"
#include "WindowSource.h"

#include <QDialog>
#include <QString>
#include <QVariant>
#include <QVector>

#include <functional>
#include <initializer_list>

class QGroupBox;
class QHBoxLayout;
class QPushButton;

namespace data { class DataSet; class Table; }

namespace widgets {

class DBGrid;

// What the database says about the lines of one movement.
struct LineTotals
{
    double volume = 0;
    double value = 0;
    int lines = 0;
};

// The header window of a movement (an invoice, a packing list): one header
// whose lines carry its number and its party (supplier or client) and are
// typed one at a time in a line window shown without blocking it.
//
// The header holds what every such window does the same way: Esc is its
// "&Retornar"; each showing starts from its idle state; its lines are those of one number and
// one party; its totals are asked of the database and shown; its line
// buttons leave alone a line still being typed; "&Retornar" closes the data
// sets it opened. A window built on it adds its fields, checks and messages.
class MovementHeaderWindow : public QDialog
{
    Q_OBJECT
public:
    explicit MovementHeaderWindow(QWidget *parent = nullptr);

    // The line window that types the lines, given by whoever makes the
    // windows; without one the header makes its own when first needed.
    void setLineWindow(WindowSource source) { m_lineSource = std::move(source); }
    void setLineWindow(MovementLineWindow *window)
    {
        setLineWindow(existingWindow(window));
        m_lineWindow = window;
    }

    // Handlers every header has, named after the event.
    virtual void FormShow() {}
    virtual void FormClose();

protected:
    // Set up by the window's constructor ----------------------------------

    // The lines: their data set and the two columns that link them to the
    // header.
    void setLines(data::Table *lines, const QString &numberColumn, const QString &partyColumn);
    // The data sets this window opens; "&Retornar" closes them all.
    void setOwnedDataSets(std::initializer_list<data::DataSet *> sets);
    void setOwnedDataSets(const QVector<data::DataSet *> &sets) { m_owned = sets; }
    // "&Retornar": its click and Esc both run returnClicked(), and only while
    // it is enabled.
    void setReturnButton(QPushButton *button) { m_return = button; }
    void setIdleState(IdleState idle) { m_idle = std::move(idle); }

    // The window's buttons as a table: each row a button, its click and the
    // groups it belongs to. The first three groups say how it stands
    // whenever the window is shown; `Returns` makes it "&Retornar"; a
    // window numbers groups of its own from `OwnGroup` on and switches
    // them with enableGroup() and showGroup().
    enum ButtonGroup : unsigned {
        ShownEnabled = 1u << 0,
        ShownDisabled = 1u << 1,
        ShownHidden = 1u << 2,
        Returns = 1u << 3,
        OwnGroup = 1u << 4,
    };
    struct Button
    {
        QPushButton *button = nullptr;
        unsigned groups = 0;
        std::function<void()> click;
    };
    // Connects each button and sets the idle state from the table; `others`
    // adds controls that are not buttons.
    void setButtons(const QVector<Button> &buttons, const IdleState &others = {});
    void enableGroup(unsigned group, bool enabled);
    void showGroup(unsigned group, bool shown);
    // Where the totals are shown ("#0.00"-style formats); a group whose
    // caption counts the lines when `countedGroup` is given.
    void setTotalsDisplay(QWidget *volume, const QString &volumeFormat, QWidget *value, const QString &valueFormat);
    void setCountedGroup(QGroupBox *group, const QString &prefix);
    // A grid of the lines, and the empty grid of the same titles shown in
    // its place while the movement has no line.
    void setLinesGrids(DBGrid *lines, DBGrid *empty);

    // Buttons ----------------------------------------------------------
    // Runs `handler` on a click, showing what it throws.
    void onClick(QPushButton *button, std::function<void()> handler);
    // "|<", "<", ">", ">|" over `rows`, with their hints when given. Moving
    // through the lines waits for a line being typed.
    QVector<QPushButton *> navigator(QHBoxLayout *bar, data::DataSet *rows, const QStringList &hints = {});
    // The same four buttons laid out in a form.
    void navigate(const QVector<QPushButton *> &buttons, data::DataSet *rows);
    // The line buttons "Proximo" and "Anterior".
    void stepLines(void (data::DataSet::*step)());
    // The line delete button: asks, deletes the current line, then
    // linesChanged(). `keepFocus` takes the focus when the answer is No.
    void deleteLine(QWidget *keepFocus = nullptr);

    // Behaviour ---------------------------------------------------------
    // The lines of one number and party, reopened.
    void filterLines(const QVariant &number, const QVariant &party);
    // Whether a line is being typed in the line window (it is brought back).
    bool lineWindowBusy();
    // The line window given, or one of type T made now and kept.
    template <typename T, typename DM>
    T *lineWindow(DM *dm)
    {
        if (!m_lineSource)
            setLineWindow(new T(dm, this));
        return qobject_cast<T *>(lineWindow());
    }
    MovementLineWindow *lineWindow();
    // Appends a row to the lines (out of line: data::Table is only declared here).
    void appendLine();
    // A new line in the line window T, for the lines already filtered: the
    // row appended, the line window told its header and filled from it,
    // then shown at its first field.
    template <typename T, typename DM, typename H>
    T *typeNewLine(DM *dm, H *header)
    {
        appendLine();
        T *window = lineWindow<T>(dm);
        window->setHeader(header);
        window->fillInvoiceFields();
        openLineWindow(window, window->firstField());
        return window;
    }
    // Shows the line window above this one; lineWindowClosed() runs when it closes.
    void openLineWindow(MovementLineWindow *window, QWidget *focus);
    void showLinesGrid(bool hasLines);
    // Asks lineTotals() and shows them; the counted group's caption too.
    LineTotals showTotals();
    void showTotals(const LineTotals &totals);
    void resetCountedGroup();
    void closeOwnedDataSets();
    // Closes the window for good (not as Esc would).
    void closeWindow(int result);
    // Shows the window given, modally.
    static void execWindow(const WindowSource &window);
    // Opens `parties`; when it is empty closes it, warns and returns false.
    bool partiesExist(data::DataSet *parties, const QString &message, const QString &caption);

    // Esc and "&Retornar": the return button's click by default.
    virtual void returnClicked();
    virtual LineTotals lineTotals() { return {}; }
    virtual void lineWindowClosed() {}
    // After a line was deleted from the header.
    virtual void linesChanged() {}

    void showEvent(QShowEvent *event) override;
    void done(int result) override;

    data::Table *lines() const { return m_lines; }

private:
    data::Table *m_lines = nullptr;
    QString m_numberColumn, m_partyColumn;
    WindowSource m_lineSource;
    QPointer<MovementLineWindow> m_lineWindow; // once asked for
    QVector<data::DataSet *> m_owned;
    QPushButton *m_return = nullptr;
    IdleState m_idle;
    QVector<Button> m_buttons;
    QWidget *m_volume = nullptr, *m_value = nullptr;
    QString m_volumeFormat, m_valueFormat;
    QGroupBox *m_counted = nullptr;
    QString m_countPrefix;
    DBGrid *m_linesGrid = nullptr, *m_emptyGrid = nullptr;
    bool m_closing = false;
};

} // namespace widgets
