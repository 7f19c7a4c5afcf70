#include "UnitRRomaneioSerrada.h"

#include "widgets/PickerWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

TfrmRRomaneioSerrada::TfrmRRomaneioSerrada(data::TDM *dm, QWidget *parent)
    : PackingListReportWindow(dm, QStringLiteral("TfrmRRomaneioSerrada"),
                              QStringLiteral("Relatório - Romaneio Serrada"),
                              QStringLiteral("Cliente (Pressione a tecla \"ALT + P\" para pesquisar Fornecedor)"),
                              {QStringLiteral("Edit2"), QStringLiteral("Edit3"), QStringLiteral("Edit5"),
                               QStringLiteral("Edit6"), QStringLiteral("Edit7"), QStringLiteral("Edit9"),
                               QStringLiteral("Edit10")},
                              parent)
{
    auto *order = new QGroupBox(QStringLiteral("Classificação dos Registros"));
    auto *ol = new QHBoxLayout(order);
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("PRODUTO"), QStringLiteral("ESSÊNCIA")});
    ol->addWidget(ComboBox1);
    formLayout()->addWidget(order);

    // "&P" keeps Alt+P, as the client group says; printing has no letter.
    formLayout()->addLayout(reportButtons(QStringLiteral("Imprimir")));
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
