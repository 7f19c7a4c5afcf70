#include "UnitRRomaneioToros.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TfrmRRomaneioToros::TfrmRRomaneioToros(data::TDM *dm, QWidget *parent)
    : PackingListReportWindow(dm, QStringLiteral("TfrmRRomaneioToros"), QStringLiteral("Relatório - Romaneio Toros"),
                              QStringLiteral("Cliente (Pressione a tecla \"ALT + P\" para pesquisar Cliente)"),
                              {QStringLiteral("edit2"), QStringLiteral("edit3"), QStringLiteral("edit5"),
                               QStringLiteral("edit6"), QStringLiteral("edit7"), QStringLiteral("edit9"),
                               QStringLiteral("edit10")},
                              parent)
{
    // "&P" keeps Alt+P, as the client group says; printing has no letter.
    formLayout()->addLayout(reportButtons(QStringLiteral("Imprimir")));
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
