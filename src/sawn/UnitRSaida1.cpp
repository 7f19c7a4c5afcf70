#include "UnitRSaida1.h"

#include "widgets/PickerWindow.h"

#include <QLineEdit>
#include <QSpinBox>

TfrmRSaida1::TfrmRSaida1(data::TDM *dm, QWidget *parent)
    : EntradaDetailWindow(dm, QStringLiteral("TfrmRSaida1"), QStringLiteral("RepSaida1"),
                          QStringLiteral("Relatório - Saída"),
                          QStringLiteral("Fornecedor (Pressione a tecla \"ALT + P\" para pesquisar Fornecedor)"), parent)
{
    nota1->setRange(0, 999999);
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
