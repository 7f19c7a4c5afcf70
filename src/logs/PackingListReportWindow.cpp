#include "PackingListReportWindow.h"

#include "widgets/PickerWindow.h"
#include "widgets/Prompter.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace logs {

PackingListReportWindow::PackingListReportWindow(data::TDM *dm, const QString &name, const QString &title,
                                                 const QString &clientCaption, const QStringList &hidden,
                                                 QWidget *parent)
    : ReportParameterWindow(dm, name, title, parent)
{
    m_layout = new QVBoxLayout(this);
    const PickerRow client = pickerRow(clientCaption);
    Edit1 = client.code;
    BitBtn4 = client.button;
    FORNECEDOR = client.name;
    auto *cl = qobject_cast<QHBoxLayout *>(client.box->layout());
    for (const QString &objectName : hidden) {
        auto *e = new QLineEdit;
        e->setObjectName(objectName);
        e->hide();
        cl->addWidget(e);
        m_address << e;
    }
    m_layout->addWidget(client.box);

    auto *invoice = new QGroupBox(QStringLiteral("Nota Fiscal"));
    auto *il = new QHBoxLayout(invoice);
    nota = new QSpinBox;
    nota->setObjectName(QStringLiteral("nota"));
    nota->setRange(0, 999999999);
    nota->setStyleSheet(QStringLiteral("font-weight: bold;"));
    il->addWidget(nota);
    il->addStretch();
    m_layout->addWidget(invoice);

    auto *remarks = new QGroupBox(QStringLiteral("Observação"));
    auto *rl = new QVBoxLayout(remarks);
    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setTabChangesFocus(true);
    Memo1->setFixedHeight(90);
    rl->addWidget(Memo1);
    m_layout->addWidget(remarks);
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
