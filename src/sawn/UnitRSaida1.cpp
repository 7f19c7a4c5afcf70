#include "UnitRSaida1.h"
#include "ui_UnitRSaida1.h"

#include "widgets/PickerWindow.h"

#include <QLineEdit>
#include <QSpinBox>

TfrmRSaida1::TfrmRSaida1(data::TDM *dm, QWidget *parent) : EntradaDetailWindow(dm, QStringLiteral("RepSaida1"), parent)
{
    Ui::TfrmRSaida1 ui;
    ui.setupUi(this);
    takeForm(ui);
}

void TfrmRSaida1::picked(const widgets::PickedRow &row)
{
    // Closed without a choice: the client stays as it was.
    if (!row.isEmpty()) {
        FORNECEDOR->setText(row.text(QStringLiteral("NOMECREDOR")));
        Edit1->setText(row.text(QStringLiteral("CODIGOCREDOR")));
    }
    nota1->setFocus();
}
