#include "EntradaDetailWindow.h"

#include "widgets/Prompter.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace widgets;

namespace logs {

EntradaDetailWindow::EntradaDetailWindow(data::TDM *dm, const QString &objectName, const QString &report,
                                         QWidget *parent)
    : ReportParameterWindow(dm, objectName, QStringLiteral("Relatório - Entrada"), parent), m_report(report)
{
    auto *layout = new QVBoxLayout(this);
    const PickerRow supplier = pickerRow(
        QStringLiteral("Fornecedor (Pressione a tecla \"ALT + P\" para pesquisar Fornecedor)"));
    Edit1 = supplier.code;
    BitBtn4 = supplier.button;
    FORNECEDOR = supplier.name;
    layout->addWidget(supplier.box);

    auto *invoice = new QGroupBox(QStringLiteral("Nota Fiscal"));
    auto *il = new QHBoxLayout(invoice);
    nota1 = new QSpinBox;
    nota1->setObjectName(QStringLiteral("nota1"));
    nota1->setRange(0, 999999999);
    il->addWidget(nota1);
    il->addStretch();
    layout->addWidget(invoice);

    // "&P" keeps Alt+P, as the supplier group says; printing has no letter.
    layout->addLayout(reportButtons(QStringLiteral("Imprimir")));
}

void EntradaDetailWindow::FormShow()
{
    BitBtn4->setFocus();
}

void EntradaDetailWindow::picked(const PickedRow &row)
{
    if (!row.isEmpty()) {
        FORNECEDOR->setText(row.text(QStringLiteral("NOMEFORNECEDOR")));
        Edit1->setText(row.text(QStringLiteral("CODIGOFORNECEDOR")));
    }
    nota1->setFocus();
}

void EntradaDetailWindow::produce(ReportOutput output)
{
    const QString kInfo = QStringLiteral("Informação");
    if (Edit1->text().trimmed().isEmpty()) {
        inform(QStringLiteral("Fornecedor deve ser informado!"), kInfo, this);
        BitBtn4->setFocus();
        return;
    }
    if (nota1->value() == 0) {
        inform(QStringLiteral("Nota Fiscal deve ser informada!"), kInfo, this);
        nota1->setFocus();
        return;
    }
    const QVariantMap params = {
        {QStringLiteral("fornecedor"), Edit1->text().trimmed()},
        {QStringLiteral("nota"), nota1->value()},
    };
    if (!run(m_report, params, output))
        BitBtn4->setFocus();
}

void EntradaDetailWindow::clearFields()
{
    Edit1->clear();
    FORNECEDOR->clear();
    nota1->setValue(0);
}

} // namespace logs
