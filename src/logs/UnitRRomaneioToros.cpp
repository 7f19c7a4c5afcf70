#include "UnitRRomaneioToros.h"
#include "ui_UnitRRomaneioToros.h"

#include <QSpinBox>

// "&P" keeps Alt+P, as the client group says; printing has no letter.
TfrmRRomaneioToros::TfrmRRomaneioToros(data::TDM *dm, QWidget *parent) : PackingListReportWindow(dm, parent)
{
    Ui::TfrmRRomaneioToros ui;
    ui.setupUi(this);
    takeForm(ui, {ui.edit2, ui.edit3, ui.edit5, ui.edit6, ui.edit7, ui.edit9, ui.edit10});
}

void TfrmRRomaneioToros::produce(logs::ReportOutput output)
{
    if (!hasClient())
        return;
    // Nothing found: after printing the focus goes back to "&P", after the
    // preview to the number.
    if (!run(QStringLiteral("RepRomaneioToros"), clientParams(), output))
        (output == logs::ReportOutput::Print ? static_cast<QWidget *>(BitBtn4) : nota)->setFocus();
}
