#include "UnitRRomaneioSerrada.h"
#include "ui_UnitRRomaneioSerrada.h"

#include "widgets/PickerWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

// "&P" keeps Alt+P, as the client group says; printing has no letter.
TfrmRRomaneioSerrada::TfrmRRomaneioSerrada(data::TDM *dm, QWidget *parent) : PackingListReportWindow(dm, parent)
{
    Ui::TfrmRRomaneioSerrada ui;
    ui.setupUi(this);
    takeForm(ui, {ui.Edit2, ui.Edit3, ui.Edit5, ui.Edit6, ui.Edit7, ui.Edit9, ui.Edit10});
    ComboBox1 = ui.ComboBox1;
}

void TfrmRRomaneioSerrada::picked(const widgets::PickedRow &row)
{
    // Chosen from an empty list: the client stays as it was.
    if (row.isEmpty())
        nota->setFocus();
    else
        PackingListReportWindow::picked(row);
}

void TfrmRRomaneioSerrada::produce(logs::ReportOutput output)
{
    if (!hasClient())
        return;
    QVariantMap params = clientParams();
    params.insert(QStringLiteral("ordem"), ComboBox1->currentIndex() == 1 ? QStringLiteral("ESSENCIA")
                                                                          : QStringLiteral("PRODUTO"));
    if (!run(QStringLiteral("RepRomaneioserrada"), params, output))
        nota->setFocus();
}

void TfrmRRomaneioSerrada::clearFields()
{
    PackingListReportWindow::clearFields();
    for (QLineEdit *e : addressEdits())
        e->clear();
}
