#include "UnitRRomaneioToros.h"

#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"
#include "widgets/WindowRegistry.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kInfo = QStringLiteral("Informação");

QPushButton *button(const QString &text, const QString &name)
{
    auto *b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TfrmRRomaneioToros::TfrmRRomaneioToros(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmRRomaneioToros"));
    setWindowTitle(QStringLiteral("Relatório - Romaneio Toros"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *layout = new QVBoxLayout(this);
    auto *client = new QGroupBox(QStringLiteral("Cliente (Pressione a tecla \"ALT + P\" para pesquisar Cliente)"));
    auto *cl = new QHBoxLayout(client);
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setEnabled(false);
    Edit1->setMaximumWidth(80);
    Edit1->setStyleSheet(QStringLiteral("font-weight: bold;"));
    FORNECEDOR = new QLineEdit;
    FORNECEDOR->setObjectName(QStringLiteral("FORNECEDOR"));
    FORNECEDOR->setEnabled(false);
    FORNECEDOR->setMinimumWidth(300);
    BitBtn4 = button(QStringLiteral("&P"), QStringLiteral("BitBtn4"));
    BitBtn4->setFixedWidth(30);
    cl->addWidget(Edit1);
    cl->addWidget(BitBtn4);
    cl->addWidget(FORNECEDOR, 1);
    const char *hidden[] = {"edit2", "edit3", "edit5", "edit6", "edit7", "edit9", "edit10"};
    QLineEdit **edits[] = {&edit2, &edit3, &edit5, &edit6, &edit7, &edit9, &edit10};
    for (int i = 0; i < 7; ++i) {
        *edits[i] = new QLineEdit;
        (*edits[i])->setObjectName(QString::fromLatin1(hidden[i]));
        (*edits[i])->hide();
        cl->addWidget(*edits[i]);
    }
    layout->addWidget(client);

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
    auto *buttons = new QHBoxLayout;
    BitBtn1 = button(QStringLiteral("Imprimir"), QStringLiteral("BitBtn1"));
    BitBtn2 = button(QStringLiteral("&Vizualizar"), QStringLiteral("BitBtn2"));
    BitBtn3 = button(QStringLiteral("&Retornar"), QStringLiteral("BitBtn3"));
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn3})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(BitBtn4, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn4Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
}

void TfrmRRomaneioToros::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmRRomaneioToros::FormShow()
{
    setCallerMark(this, true);
    BitBtn4->setFocus();
}

void TfrmRRomaneioToros::done(int result)
{
    setCallerMark(this, false);
    QDialog::done(result);
}

void TfrmRRomaneioToros::BitBtn4Click()
{
    if (auto *picker = qobject_cast<QDialog *>(windows().find(QStringLiteral("TfrmPesquisa3"))))
        picker->exec();
}

void TfrmRRomaneioToros::BitBtn1Click()
{
    if (!produce(logs::ReportOutput::Print))
        BitBtn4->setFocus();
}

void TfrmRRomaneioToros::BitBtn2Click()
{
    if (!produce(logs::ReportOutput::Preview))
        nota->setFocus();
}

bool TfrmRRomaneioToros::produce(logs::ReportOutput output)
{
    if (Edit1->text().trimmed().isEmpty()) {
        inform(QStringLiteral("Cliente deve ser informado!"), kInfo, this);
        BitBtn4->setFocus();
        return true; // the focus stays on "&P"
    }
    // The report reads the client's name and address from CREDOR by its code.
    const QVariantMap params = {
        {QStringLiteral("cliente"), Edit1->text().trimmed()},
        {QStringLiteral("nota"), nota->value()},
        {QStringLiteral("observacao"), Memo1->toPlainText()},
    };
    if (runReport(dm, QStringLiteral("RepRomaneioToros"), params, output, this))
        return true;
    inform(logs::kNoReport, kInfo, this);
    return false;
}

void TfrmRRomaneioToros::BitBtn3Click()
{
    Edit1->clear();
    FORNECEDOR->clear();
    Memo1->clear();
    QDialog::reject();
}

void TfrmRRomaneioToros::reject()
{
    guarded(this, [this] { BitBtn3Click(); });
}
