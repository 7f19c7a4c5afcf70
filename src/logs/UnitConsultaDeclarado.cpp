#include "UnitConsultaDeclarado.h"

#include "ReportRun.h"

#include "core/DeclaredVolume.h"
#include "core/Formats.h"
#include "data/UnitDM.h"
#include "rules/DeclaredVolume.h"
#include "widgets/DateEdit.h"
#include "widgets/FigureTable.h"
#include "widgets/LookupCombo.h"
#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kInfo = QStringLiteral("Informação");
const QVector<bool> kNumeric = {false, false, false, true, true, true, true};

QStringList figures(double declared, double measured)
{
    return {core::formatVolume3(declared), core::formatVolume3(measured),
            core::formatVolume3(core::declaredDifference(declared, measured), true),
            core::formatSignedPercent(core::declaredDifferencePercent(declared, measured))};
}

} // namespace

TfrmConsultaDeclarado::TfrmConsultaDeclarado(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmConsultaDeclarado"));
    setWindowTitle(QStringLiteral("Consulta Volume Declarado x Medido"));
    setMovementWindowFlags(this);
    resize(900, 560);
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *fromLabel = new QLabel(QStringLiteral("Período &Inicial"));
    DataInicial1 = new DateEdit;
    DataInicial1->setObjectName(QStringLiteral("DataInicial1"));
    fromLabel->setBuddy(DataInicial1);
    auto *toLabel = new QLabel(QStringLiteral("Período Fi&nal"));
    DataFinal1 = new DateEdit;
    DataFinal1->setObjectName(QStringLiteral("DataFinal1"));
    toLabel->setBuddy(DataFinal1);
    CheckBox1 = new QCheckBox(QStringLiteral("&Fornecedor"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Fornecedor = new DBLookupComboBox;
    Fornecedor->setObjectName(QStringLiteral("Fornecedor"));
    Fornecedor->setListSource(dm->TFornecedor, QStringLiteral("CODIGOFORNECEDOR"), QStringLiteral("NOMEFORNECEDOR"));
    Fornecedor->setMaxVisibleItems(8);
    Fornecedor->setDropDownOnEnter(true);
    Fornecedor->setEnabled(false);
    Fornecedor->setMinimumWidth(260);
    top->addWidget(fromLabel);
    top->addWidget(DataInicial1);
    top->addWidget(toLabel);
    top->addWidget(DataFinal1);
    top->addSpacing(12);
    top->addWidget(CheckBox1);
    top->addWidget(Fornecedor, 1);
    layout->addLayout(top);

    Grid1 = new QTableWidget;
    Grid1->setObjectName(QStringLiteral("Grid1"));
    setUpFigureTable(Grid1, {QStringLiteral("Fornecedor"), QStringLiteral("Nota"), QStringLiteral("Emissão"),
                             QStringLiteral("Declarado (M/3)"), QStringLiteral("Medido (M/3)"),
                             QStringLiteral("Diferença (M/3)"), QStringLiteral("Diferença %")});
    layout->addWidget(Grid1, 1);

    auto *buttons = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("&Consultar"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2 = new QPushButton(QStringLiteral("&Vizualizar"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn3 = new QPushButton(QStringLiteral("&Retornar"));
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    buttons->addStretch();
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn3}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(CheckBox1, &QCheckBox::clicked, this, [this] { guarded(this, [this] { CheckBox1Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
}

void TfrmConsultaDeclarado::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        Grid1->setRowCount(0);
        DataInicial1->setFocus();
    }
}

void TfrmConsultaDeclarado::CheckBox1Click()
{
    if (CheckBox1->isChecked()) {
        dm->TFornecedor->close();
        dm->TFornecedor->setIndexFieldNames(QStringLiteral("NOMEFORNECEDOR"));
        dm->TFornecedor->open();
        Fornecedor->setEnabled(true);
    } else {
        Fornecedor->setKeyValue(QVariant());
        dm->TFornecedor->close();
        Fornecedor->setEnabled(false);
    }
}

bool TfrmConsultaDeclarado::periodGiven()
{
    if (!DataInicial1->isValidDate()) {
        inform(QStringLiteral("Período Inicial deve ser informado!"), kInfo, this);
        DataInicial1->setFocus();
        return false;
    }
    if (!DataFinal1->isValidDate()) {
        inform(QStringLiteral("Período Final deve ser informado!"), kInfo, this);
        DataFinal1->setFocus();
        return false;
    }
    if (CheckBox1->isChecked() && !Fornecedor->hasSelection()) {
        inform(QStringLiteral("Fornecedor deve ser informado!"), kInfo, this);
        Fornecedor->setFocus();
        return false;
    }
    return true;
}

QVariantMap TfrmConsultaDeclarado::parameters() const
{
    QVariantMap params = {{QStringLiteral("inicio"), DataInicial1->date()}, {QStringLiteral("fim"), DataFinal1->date()}};
    if (CheckBox1->isChecked())
        params.insert(QStringLiteral("fornecedor"), Fornecedor->keyValue().toLongLong());
    return params;
}

void TfrmConsultaDeclarado::BitBtn1Click()
{
    if (!periodGiven())
        return;
    Grid1->setRowCount(0);
    const QVector<rules::DeclaredInvoice> invoices = rules::declaredVersusMeasured(
        dm->IBDatabase1, DataInicial1->date(), DataFinal1->date(),
        CheckBox1->isChecked() ? Fornecedor->keyValue() : QVariant());
    if (invoices.isEmpty()) {
        inform(QStringLiteral("Não há NF-e importada no período informado!"), QStringLiteral("Consulta"), this);
        DataInicial1->setFocus();
        return;
    }
    double declared = 0, measured = 0, supplierDeclared = 0, supplierMeasured = 0;
    for (int i = 0; i < invoices.size(); ++i) {
        const rules::DeclaredInvoice &inv = invoices[i];
        appendFigureRow(Grid1,
                        QStringList{inv.supplierName, core::formatFloat(QStringLiteral("000000"), inv.number),
                                    inv.issued.toString(QStringLiteral("dd/MM/yyyy"))}
                            + figures(inv.declared, inv.measured),
                        kNumeric);
        supplierDeclared += inv.declared;
        supplierMeasured += inv.measured;
        if (i + 1 == invoices.size() || invoices[i + 1].supplier != inv.supplier) {
            appendFigureRow(Grid1,
                            QStringList{inv.supplierName, QStringLiteral("Total do Fornecedor"), QString()}
                                + figures(supplierDeclared, supplierMeasured),
                            kNumeric, true);
            declared += supplierDeclared;
            measured += supplierMeasured;
            supplierDeclared = supplierMeasured = 0;
        }
    }
    appendFigureRow(Grid1, QStringList{QStringLiteral("TOTAL GERAL"), QString(), QString()} + figures(declared, measured),
                    kNumeric, true);
    Grid1->setFocus();
}

void TfrmConsultaDeclarado::BitBtn2Click()
{
    if (!periodGiven())
        return;
    if (!logs::runReport(dm, QStringLiteral("RepDeclarado"), parameters(), logs::ReportOutput::Preview, this)) {
        inform(logs::kNoReport, kInfo, this);
        DataInicial1->setFocus();
    }
}

void TfrmConsultaDeclarado::BitBtn3Click()
{
    Grid1->setRowCount(0);
    DataInicial1->clearDate();
    DataFinal1->clearDate();
    CheckBox1->setChecked(false);
    Fornecedor->setKeyValue(QVariant());
    Fornecedor->setEnabled(false);
    dm->TFornecedor->close();
    QDialog::reject();
}

void TfrmConsultaDeclarado::reject()
{
    guarded(this, [this] { BitBtn3Click(); });
}
