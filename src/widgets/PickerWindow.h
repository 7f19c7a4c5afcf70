#pragma once

#include "widgets/DBGrid.h"

#include <QDialog>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace data {
class DataSource;
class Query;
}

namespace widgets {

// What the register pickers share: a modal window that lists one register
// through a data-module query and writes the chosen row straight into the
// controls of the window that asked for it.
//
// The window: a search group with the upper-case edit `Edit1` that locates
// the typed text as a name prefix while the user types, the count panel
// `Panel2`, the grid `DBGrid1`, "&Selecionar" `BitBtn1` (also Enter in the
// edit or the grid), "&Retornar" `BitBtn2` (also Esc) and the "&Ordenação"
// group with the order list `ComboBox1`. Each show reopens the list in its
// first order.
//
// Callers. A window that uses a picker marks itself while it is shown
// (setCallerMark) and is in the window registry under its class name. The
// picker serves the first marked window of its caller table, in the table's
// order. An entry names the caller's controls by objectName: what
// "&Selecionar" writes there (a column of the chosen row), which controls it
// enables, which control then takes the focus, and what closing without a
// choice writes and disables.
class PickerWindow : public QDialog
{
    Q_OBJECT
public:
    using Fields = QVector<QPair<QString, QString>>;

    struct Caller
    {
        QString windowClass;
        Fields fields;               // caller control <- column
        QStringList enable;          // caller controls enabled after the choice
        QString focus;               // caller control focused after the choice
        Fields onReturn;             // caller control <- text, closed without a choice
        QStringList disableOnReturn; // caller controls disabled then

        Caller() = default;
        // The short form: nothing enabled or disabled.
        Caller(QString windowClass, Fields fields, QString focus, Fields onReturn);
        Caller(QString windowClass, Fields fields, QStringList enable, QString focus, Fields onReturn,
               QStringList disableOnReturn);
    };

    // The first marked caller of the table and its entry; nullptr when none is marked.
    QWidget *currentCaller(Caller *entry = nullptr) const;

    QGroupBox *GroupBox1;
    QLineEdit *Edit1;
    QLabel *Panel2;
    DBGrid *DBGrid1;
    QPushButton *BitBtn1; // "&Selecionar"
    QPushButton *BitBtn2; // "&Retornar"
    QGroupBox *GroupBox2;
    QComboBox *ComboBox1;

    void reject() override; // Esc is "&Retornar"

    void FormShow();
    void Edit1Change(const QString &text);
    void ComboBox1Change(int index);
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    struct Order
    {
        QString text;   // in the order list
        QString column; // the list's order
    };
    // What one picker lists and how it serves its callers.
    struct Setup
    {
        QString objectName;
        QString searchTitle; // caption of the search group
        data::Query *list = nullptr;
        data::DataSource *source = nullptr;
        QString table;      // the register listed, ordered by one of the orders
        QString nameColumn; // what the search edit locates
        QVector<DBGrid::Column> columns;
        int gridWidth = 0;
        QVector<Order> orders;
        int firstOrder = 0; // chosen on every show
        QVector<Caller> *callers = nullptr;
        // Without a marked caller "&Selecionar" still closes as a choice
        // (true) or does nothing (false).
        bool closeWithoutCaller = true;
        // Values are written as the column's text, an empty list giving empty
        // texts (true), or as the column's values, and only from a current row.
        bool writeAsText = false;
    };

    PickerWindow(const Setup &setup, QWidget *parent = nullptr);

    // Whether "&Retornar" closes the list, given the caller served (if any).
    virtual bool closesListOnReturn(const QWidget *caller, const Caller &entry) const = 0;

    // Adds a caller at the end of TABLE, or replaces the entry of the same class.
    static void registerInto(QVector<Caller> &table, const Caller &caller);

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reopen(const QString &orderColumn);

    Setup m_setup;
};

// Writes VALUE into the control NAME of CALLER: through its column when it is
// bound (an empty text clears the column), as a number into numeric edits
// and spin boxes, as text into any other line edit. A name that is not
// there is passed over.
void writeInto(QWidget *caller, const QString &controlName, const QVariant &value);

} // namespace widgets
