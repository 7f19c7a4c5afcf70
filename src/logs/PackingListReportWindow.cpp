#include "PackingListReportWindow.h"

#include "widgets/PickerWindow.h"
#include "widgets/Prompter.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace logs {

PackingListReportWindow::PackingListReportWindow(data::TDM *dm, QWidget *parent) : ReportParameterWindow(dm, parent)
{
}

void PackingListReportWindow::FormShow()
{
    BitBtn4->setFocus();
}

void PackingListReportWindow::picked(const widgets::PickedRow &row)
{
    Edit1->setText(row.text(QStringLiteral("CODIGOCREDOR")));
    FORNECEDOR->setText(row.text(QStringLiteral("NOMECREDOR")));
    const char *columns[] = {"ENDERECO", "BAIRRO", "CIDADE", "UF", "FONE", "CNPJ", "CPF"};
    for (int i = 0; i < m_address.size() && i < 7; ++i)
        m_address[i]->setText(row.text(QString::fromLatin1(columns[i])));
    nota->setFocus();
}

void PackingListReportWindow::clearFields()
{
    Edit1->clear();
    FORNECEDOR->clear();
    Memo1->clear();
}

bool PackingListReportWindow::hasClient()
{
    if (!Edit1->text().trimmed().isEmpty())
        return true;
    widgets::inform(QStringLiteral("Cliente deve ser informado!"), QStringLiteral("Informação"), this);
    BitBtn4->setFocus();
    return false;
}

QVariantMap PackingListReportWindow::clientParams() const
{
    // The report reads the client's name and address from CREDOR by its code.
    return {
        {QStringLiteral("cliente"), Edit1->text().trimmed()},
        {QStringLiteral("nota"), nota->value()},
        {QStringLiteral("observacao"), Memo1->toPlainText()},
    };
}

} // namespace logs
