#include "UnitConsultaDeclarado.h"

#include "ReportRun.h"

#include "core/DeclaredVolume.h"
#include "core/Formats.h"
#include "data/UnitDM.h"
#include "rules/DeclaredVolume.h"
#include "widgets/FigureTable.h"
#include "widgets/Prompter.h"

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

TfrmConsultaDeclarado::TfrmConsultaDeclarado(data::TDM *dm, QWidget *parent) : QueryWindow(dm, parent)
{
    setupUi(this);
    setUpList(Fornecedor, dm->TFornecedor, QStringLiteral("CODIGOFORNECEDOR"), QStringLiteral("NOMEFORNECEDOR"));
    setUpFigureTable(Grid1, {QStringLiteral("Fornecedor"), QStringLiteral("Nota"), QStringLiteral("Emissão"),
                             QStringLiteral("Declarado (M/3)"), QStringLiteral("Medido (M/3)"),
                             QStringLiteral("Diferença (M/3)"), QStringLiteral("Diferença %")});
    onClick(CheckBox1, [this] { CheckBox1Click(); });
    setUpQuery(BitBtn1, [this] { BitBtn1Click(); }, BitBtn3, [this] { BitBtn3Click(); });
    onClick(BitBtn2, [this] { BitBtn2Click(); });
}

void TfrmConsultaDeclarado::FormShow()
{
    Grid1->setRowCount(0);
    DataInicial1->setFocus();
}

void TfrmConsultaDeclarado::CheckBox1Click()
{
    switchList(CheckBox1->isChecked(), Fornecedor, dm->TFornecedor, QStringLiteral("NOMEFORNECEDOR"));
}

// The period, and the supplier when the box asks for one.
bool TfrmConsultaDeclarado::asked()
{
    QVector<SaveCheck> checks = periodChecks(DataInicial1, DataFinal1);
    if (CheckBox1->isChecked())
        checks << chosen(Fornecedor, QStringLiteral("Fornecedor deve ser informado!"));
    return passChecks(checks, this, kInfo);
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
    if (!asked())
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
    if (!asked())
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
    leave();
}
