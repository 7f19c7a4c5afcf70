#include "EntradaDetailWindow.h"

#include "widgets/Prompter.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace widgets;

namespace logs {

EntradaDetailWindow::EntradaDetailWindow(data::TDM *dm, const QString &report, QWidget *parent)
    : ReportParameterWindow(dm, parent), m_report(report)
{
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
