#include "UnitRRomaneioSerrada.h"

#include "widgets/PickerWindow.h"
#include "widgets/Prompter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace widgets;

TfrmRRomaneioSerrada::TfrmRRomaneioSerrada(data::TDM *dm, QWidget *parent)
    : ReportParameterWindow(dm, QStringLiteral("TfrmRRomaneioSerrada"), QStringLiteral("Relatório - Romaneio Serrada"),
                            parent)
{
    auto *layout = new QVBoxLayout(this);
    const PickerRow client =
        pickerRow(QStringLiteral("Cliente (Pressione a tecla \"ALT + P\" para pesquisar Fornecedor)"));
    Edit1 = client.code;
    BitBtn4 = client.button;
    FORNECEDOR = client.name;
    auto *cl = qobject_cast<QHBoxLayout *>(client.box->layout());
    const char *hidden[] = {"Edit2", "Edit3", "Edit5", "Edit6", "Edit7", "Edit9", "Edit10"};
    QLineEdit **edits[] = {&Edit2, &Edit3, &Edit5, &Edit6, &Edit7, &Edit9, &Edit10};
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

    auto *order = new QGroupBox(QStringLiteral("Classificação dos Registros"));
    auto *ol = new QHBoxLayout(order);
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("PRODUTO"), QStringLiteral("ESSÊNCIA")});
    ol->addWidget(ComboBox1);
    layout->addWidget(order);

    // "&P" keeps Alt+P, as the client group says; printing has no letter.
    layout->addLayout(reportButtons(QStringLiteral("Imprimir")));
}

void TfrmRRomaneioSerrada::FormShow()
{
    BitBtn4->setFocus();
}

void TfrmRRomaneioSerrada::picked(const PickedRow &row)
{
    // Closed without a choice: the client stays as it was.
    if (!row.isEmpty()) {
        Edit1->setText(row.text(QStringLiteral("CODIGOCREDOR")));
        FORNECEDOR->setText(row.text(QStringLiteral("NOMECREDOR")));
        const char *columns[] = {"ENDERECO", "BAIRRO", "CIDADE", "UF", "FONE", "CNPJ", "CPF"};
        QLineEdit *edits[] = {Edit2, Edit3, Edit5, Edit6, Edit7, Edit9, Edit10};
        for (int i = 0; i < 7; ++i)
            edits[i]->setText(row.text(QString::fromLatin1(columns[i])));
    }
    nota->setFocus();
}

void TfrmRRomaneioSerrada::produce(logs::ReportOutput output)
{
    if (Edit1->text().trimmed().isEmpty()) {
        inform(QStringLiteral("Cliente deve ser informado!"), QStringLiteral("Informação"), this);
        BitBtn4->setFocus();
        return;
    }
    // The report reads the client's name and address from CREDOR by its
    // code, so the heading is the client's as registered.
    const QVariantMap params = {
        {QStringLiteral("cliente"), Edit1->text().trimmed()},
        {QStringLiteral("nota"), nota->value()},
        {QStringLiteral("observacao"), Memo1->toPlainText()},
        {QStringLiteral("ordem"), ComboBox1->currentIndex() == 1 ? QStringLiteral("ESSENCIA")
                                                                 : QStringLiteral("PRODUTO")},
    };
    if (!run(QStringLiteral("RepRomaneioserrada"), params, output))
        nota->setFocus();
}

void TfrmRRomaneioSerrada::clearFields()
{
    for (QLineEdit *e : {Edit1, FORNECEDOR, Edit2, Edit3, Edit5, Edit6, Edit7, Edit9, Edit10})
        e->clear();
    Memo1->clear();
}
