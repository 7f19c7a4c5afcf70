#include "UnitRRomaneioToros.h"

#include "widgets/Prompter.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace widgets;

TfrmRRomaneioToros::TfrmRRomaneioToros(data::TDM *dm, QWidget *parent)
    : ReportParameterWindow(dm, QStringLiteral("TfrmRRomaneioToros"), QStringLiteral("Relatório - Romaneio Toros"),
                            parent)
{
    auto *layout = new QVBoxLayout(this);
    const PickerRow client = pickerRow(
        QStringLiteral("Cliente (Pressione a tecla \"ALT + P\" para pesquisar Cliente)"));
    Edit1 = client.code;
    BitBtn4 = client.button;
    FORNECEDOR = client.name;
    auto *cl = qobject_cast<QHBoxLayout *>(client.box->layout());
    const char *hidden[] = {"edit2", "edit3", "edit5", "edit6", "edit7", "edit9", "edit10"};
    QLineEdit **edits[] = {&edit2, &edit3, &edit5, &edit6, &edit7, &edit9, &edit10};
    for (int i = 0; i < 7; ++i) {
        *edits[i] = new QLineEdit;
        (*edits[i])->setObjectName(QString::fromLatin1(hidden[i]));
        (*edits[i])->hide();
        cl->addWidget(*edits[i]);
    }
    layout->addWidget(client.box);

    auto *invoice = new QGroupBox(QStringLiteral("Nota Fiscal"));
    auto *il = new QHBoxLayout(invoice);
    nota = new QSpinBox;
    nota->setObjectName(QStringLiteral("nota"));
    nota->setRange(0, 999999999);
    nota->setStyleSheet(QStringLiteral("font-weight: bold;"));
    il->addWidget(nota);
    il->addStretch();
    layout->addWidget(invoice);

    auto *remarks = new QGroupBox(QStringLiteral("Observação"));
    auto *rl = new QVBoxLayout(remarks);
    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setTabChangesFocus(true);
    Memo1->setFixedHeight(90);
    rl->addWidget(Memo1);
    layout->addWidget(remarks);

    // "&P" keeps Alt+P, as the client group says; printing has no letter.
    layout->addLayout(reportButtons(QStringLiteral("Imprimir")));
}

void TfrmRRomaneioToros::FormShow()
{
    BitBtn4->setFocus();
}

void TfrmRRomaneioToros::picked(const PickedRow &row)
{
    Edit1->setText(row.text(QStringLiteral("CODIGOCREDOR")));
    FORNECEDOR->setText(row.text(QStringLiteral("NOMECREDOR")));
    const char *columns[] = {"ENDERECO", "BAIRRO", "CIDADE", "UF", "FONE", "CNPJ", "CPF"};
    QLineEdit *edits[] = {edit2, edit3, edit5, edit6, edit7, edit9, edit10};
    for (int i = 0; i < 7; ++i)
        edits[i]->setText(row.text(QString::fromLatin1(columns[i])));
    nota->setFocus();
}

void TfrmRRomaneioToros::produce(logs::ReportOutput output)
{
    if (Edit1->text().trimmed().isEmpty()) {
        inform(QStringLiteral("Cliente deve ser informado!"), QStringLiteral("Informação"), this);
        BitBtn4->setFocus();
        return;
    }
    // The report reads the client's name and address from CREDOR by its code.
    const QVariantMap params = {
        {QStringLiteral("cliente"), Edit1->text().trimmed()},
        {QStringLiteral("nota"), nota->value()},
        {QStringLiteral("observacao"), Memo1->toPlainText()},
    };
    // Nothing found: after printing the focus goes back to "&P", after the
    // preview to the number.
    if (!run(QStringLiteral("RepRomaneioToros"), params, output))
        (output == logs::ReportOutput::Print ? static_cast<QWidget *>(BitBtn4) : nota)->setFocus();
}

void TfrmRRomaneioToros::clearFields()
{
    Edit1->clear();
    FORNECEDOR->clear();
    Memo1->clear();
}
