#pragma once

#include "ReportRun.h"

#include "widgets/PickerWindow.h"

#include <QDialog>
#include <QVariantMap>

class QPushButton;

namespace data {
class TDM;
}

namespace logs {

// What every report parameter window shares: the button row (print,
// "&Vizualizar", "&Retornar" also on Esc), running the report with the
// "nothing found" message, and, for a window that fills itself through a
// picker, the "&P" button that opens it.
// A window lays out its form (Unit<Name>.ui), hands the shared controls
// over, keeps its own fields, checks and parameters, and writes the row the
// picker hands back into its own fields (picked()).
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
    ReportParameterWindow(data::TDM *dm, QWidget *parent);

    // The form's button row.
    void takeButtons(QPushButton *print, QPushButton *preview, QPushButton *back);
    // The form's "&P" button: it opens the picker and hands the chosen row
    // to picked(). Makes the window a picker caller.
    void takePicker(QPushButton *button);
    // Writes the row chosen with "&P" into the window's fields.
    virtual void picked(const widgets::PickedRow &row) { Q_UNUSED(row) }

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
