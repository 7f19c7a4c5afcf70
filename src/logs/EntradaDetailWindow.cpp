#include "EntradaDetailWindow.h"

#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"
#include "widgets/WindowRegistry.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace widgets;

namespace logs {

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

EntradaDetailWindow::EntradaDetailWindow(data::TDM *dm_, const QString &objectName, const QString &report,
                                         QWidget *parent)
    : QDialog(parent), dm(dm_), m_report(report)
{
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("Relatório - Entrada"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *layout = new QVBoxLayout(this);
    auto *supplier = new QGroupBox(QStringLiteral("Fornecedor (Pressione a tecla \"ALT + P\" para pesquisar Fornecedor)"));
    auto *sl = new QHBoxLayout(supplier);
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
    sl->addWidget(Edit1);
    sl->addWidget(BitBtn4);
    sl->addWidget(FORNECEDOR, 1);
    layout->addWidget(supplier);

    auto *invoice = new QGroupBox(QStringLiteral("Nota Fiscal"));
    auto *il = new QHBoxLayout(invoice);
    nota1 = new QSpinBox;
    nota1->setObjectName(QStringLiteral("nota1"));
    nota1->setRange(0, 999999999);
    il->addWidget(nota1);
    il->addStretch();
    layout->addWidget(invoice);

    // "&P" keeps Alt+P, as the supplier group says; printing has no letter.
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

void EntradaDetailWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void EntradaDetailWindow::FormShow()
{
    setCallerMark(this, true);
    BitBtn4->setFocus();
}

void EntradaDetailWindow::done(int result)
{
    setCallerMark(this, false);
    QDialog::done(result);
}

void EntradaDetailWindow::BitBtn4Click()
{
    if (auto *picker = qobject_cast<QDialog *>(windows().find(QStringLiteral("TfrmPesquisa"))))
        picker->exec();
}

void EntradaDetailWindow::BitBtn1Click()
{
    produce(ReportOutput::Print);
}

void EntradaDetailWindow::BitBtn2Click()
{
    produce(ReportOutput::Preview);
}

void EntradaDetailWindow::produce(ReportOutput output)
{
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
    if (!runReport(dm, m_report, params, output, this)) {
        inform(kNoReport, kInfo, this);
        BitBtn4->setFocus();
    }
}

void EntradaDetailWindow::BitBtn3Click()
{
    Edit1->clear();
    FORNECEDOR->clear();
    nota1->setValue(0);
    QDialog::reject();
}

void EntradaDetailWindow::reject()
{
    guarded(this, [this] { BitBtn3Click(); });
}

} // namespace logs
