#pragma once

#include "ui_PickerWindow.h"
#include "widgets/DBGrid.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <QVector>

#include <functional>
#include <optional>

class QJsonObject;

namespace data {
class DataSet;
class DataSource;
class Query;
}

namespace widgets {

// The row a picker's user chose, by column. A list with no row gives an
// empty one, whose texts are empty.
class PickedRow
{
public:
    PickedRow() = default;
    explicit PickedRow(QVariantMap values) : m_values(std::move(values)) {}

    bool isEmpty() const { return m_values.isEmpty(); }
    QVariant value(const QString &column) const { return m_values.value(column); }
    // The column as text; an empty column or row gives an empty text.
    QString text(const QString &column) const;

private:
    QVariantMap m_values;
};

// What the register pickers share: a modal window that lists one register
// through a data-module query and hands the chosen row back to the window
// that asked. The picker never touches its caller: the caller writes its own
// fields from the row, and decides what closing without a choice means.
//
// The window (PickerWindow.ui): a search group with the upper-case edit
// `Edit1` that locates the typed text while the user types, the count panel
// `Panel2`, the grid `DBGrid1`, "&Selecionar" `BitBtn1` (also Enter in the
// edit or the grid), "&Retornar" `BitBtn2` (also Esc) and the "&Ordenação"
// group with the order list `ComboBox1`. Each show reopens the list in its
// first order. A picker is a description (Setup), mostly kept as data.
class PickerWindow : public QDialog, public Ui::PickerWindow
{
    Q_OBJECT
public:
    struct Order
    {
        QString text;   // in the order list
        QString column; // the list's order
    };
    // What one picker lists.
    struct Setup
    {
        QString objectName;
        QString searchTitle; // caption of the search group
        data::DataSet *list = nullptr; // a Query, or a Table for a picker that lists itself
        data::DataSource *source = nullptr;
        QString table;      // the register listed, ordered by one of the orders
        QString nameColumn; // what the search edit locates, as a name prefix
        QVector<DBGrid::Column> columns;
        int gridWidth = 0;
        QVector<Order> orders;
        int firstOrder = 0; // chosen on every show
        bool closesListOnReturn = true; // "&Retornar" also closes the list's query

        // From its JSON object: the fields above by name, "list" and "source"
        // the objectNames of DATAMODULE's objects, "columns" as a grid's
        // `columns` property, "orders" pairs [text, column].
        static Setup fromJson(const QJsonObject &json, QObject *dataModule);
    };

    // Shows the list modally; the row chosen with "&Selecionar", or nothing
    // when the user left with "&Retornar" or Esc.
    std::optional<PickedRow> choose();

    void reject() override; // Esc is "&Retornar"

    void FormShow();
    void Edit1Change(const QString &text);
    void ComboBox1Change(int index);
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    PickerWindow(const Setup &setup, QWidget *parent = nullptr);

    // How the list opens on show, follows the search edit and takes an
    // order. By default the list is a Query over Setup::table reopened in
    // the order's column, and typing locates a name prefix.
    virtual void openList();
    virtual void locateText(const QString &text);
    virtual void orderChosen(int index);
    // Enter in the search edit: "&Selecionar" unless a picker knows better.
    virtual void searchEntered();

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    const Setup &setup() const { return m_setup; }

private:
    void reopen(const QString &orderColumn);

    Setup m_setup;
    bool m_closesListOnReturn = true;
    std::optional<PickedRow> m_chosen;
};

// The current row of a list as a picked row; empty when there is none.
PickedRow currentRow(const data::DataSet *list);

// How a window reaches one of its pickers: given to it by whoever makes the
// window (the application's window list, or a test), so that no window looks
// another up by name. The picker itself is made on first use.
class Picker
{
public:
    Picker() = default;
    explicit Picker(std::function<PickerWindow *()> get) : m_get(std::move(get)) {}
    // A picker that already exists.
    static Picker of(PickerWindow *picker)
    {
        QPointer<PickerWindow> p(picker);
        return Picker([p] { return p.data(); });
    }

    bool isSet() const { return bool(m_get); }
    PickerWindow *window() const { return m_get ? m_get() : nullptr; }
    // The chosen row; nothing when closed without a choice or when the
    // window was given no picker.
    std::optional<PickedRow> choose() const
    {
        PickerWindow *p = window();
        return p ? p->choose() : std::nullopt;
    }

private:
    std::function<PickerWindow *()> m_get;
};

// Writes VALUE into CONTROL: through its column when it is bound (an empty
// text clears the column), as a number into numeric edits and spin boxes,
// as text into any other line edit.
void writeInto(QWidget *control, const QVariant &value);

} // namespace widgets
