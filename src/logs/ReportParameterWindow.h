#pragma once

#include "ReportRun.h"

#include "widgets/PickerWindow.h"

#include <QDialog>
#include <QVariantMap>

class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace data {
class TDM;
}

namespace logs {

// What every report parameter window shares: the button row (print,
// "&Vizualizar", "&Retornar" also on Esc), running the report with the
// "nothing found" message, and, for a window that fills itself through a
// picker, the "&P" row that opens it.
// A window keeps its own fields, checks and parameters, and writes the row
// the picker hands back into its own fields (picked()).
class ReportParameterWindow : public QDialog
{
    Q_OBJECT
public:
    QPushButton *BitBtn1 = nullptr; // print
    QPushButton *BitBtn2 = nullptr; // "&Vizualizar"
    QPushButton *BitBtn3 = nullptr; // "&Retornar"

    virtual void FormShow() = 0;
    virtual void BitBtn1Click() { produce(ReportOutput::Print); }
    virtual void BitBtn2Click() { produce(ReportOutput::Preview); }
    // Empties the window's fields, then closes it.
    void BitBtn3Click();

    // The picker "&P" opens; given by whoever makes the window.
    void setPicker(widgets::Picker picker) { m_picker = std::move(picker); }

protected:
    ReportParameterWindow(data::TDM *dm, const QString &objectName, const QString &title, QWidget *parent);

    // The party row: code and name filled from the picked row, and the "&P"
    // button (BitBtn4) that opens the picker. Makes the window a picker caller.
    struct PickerRow
    {
        QGroupBox *box;
        QLineEdit *code; // Edit1
        QPushButton *button; // BitBtn4
        QLineEdit *name; // FORNECEDOR
    };
    PickerRow pickerRow(const QString &title);
    // Writes the row chosen with "&P" into the window's fields.
    virtual void picked(const widgets::PickedRow &row) { Q_UNUSED(row) }

    // The button row; PRINT is the print button's caption ("Im&primir", or
    // "Imprimir" where the window's "&P" already takes Alt+P).
    QHBoxLayout *reportButtons(const QString &print);

    virtual void produce(ReportOutput output) = 0;
    virtual void clearFields() = 0;

    // Runs REPORT; when it finds nothing, says so and returns false.
    bool run(const QString &report, const QVariantMap &params, ReportOutput output);

    void showEvent(QShowEvent *event) override;
    void reject() override; // Esc is "&Retornar"

    data::TDM *dm;

private:
    widgets::Picker m_picker;
};

} // namespace logs
