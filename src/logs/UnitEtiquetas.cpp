#include "UnitEtiquetas.h"
#include "ui_UnitEtiquetas.h"

#include "data/DataSet.h"
#include "data/UnitDM.h"
#include "reports/LabelLayouts.h"
#include "reports/ReportDefinition.h"
#include "widgets/Prompter.h"

#include <QRegularExpressionValidator>

using namespace widgets;

namespace {

const QString kCaption = QStringLiteral("Etiquetas");

} // namespace

TfrmEtiquetas::TfrmEtiquetas(data::TDM *dm, QWidget *parent) : ReportParameterWindow(dm, parent)
{
    Ui::TfrmEtiquetas ui;
    ui.setupUi(this);
    takeButtons(ui.BitBtn1, ui.BitBtn2, ui.BitBtn3);
    Label1 = ui.Label1;
    ComboModelo = ui.ComboModelo;
    SpinInicio = ui.SpinInicio;
    EditPlaqueta = ui.EditPlaqueta;
    for (const reports::LabelLayout &l : reports::labelLayouts())
        ComboModelo->addItem(l.description, l.key);
    EditPlaqueta->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")),
                                                               EditPlaqueta));
    connect(ComboModelo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { ComboModeloChange(index); });
    ComboModeloChange(0);
}

void TfrmEtiquetas::showFor(data::DataSet *invoices)
{
    if (!invoices || !invoices->isActive() || invoices->isEmpty()) {
        inform(QStringLiteral("Pesquise primeiro a Nota Fiscal cujos toros receberão etiquetas!"), kCaption,
               parentWidget());
        return;
    }
    m_invoice = {invoices->value(QStringLiteral("NF_NUMERO")), invoices->value(QStringLiteral("CODIGOFORNECEDOR"))};
    const QString number = reports::formatValue(m_invoice.number, QStringLiteral("000000"));
    const int logs = rules::LogInvoice(dm->IBDatabase1).lineCount(m_invoice);
    if (logs == 0) {
        inform(QStringLiteral("A Nota Fiscal %1 não tem toros lançados!").arg(number), kCaption, parentWidget());
        return;
    }
    Label1->setText(QStringLiteral("Nota Fiscal %1 - %2 - %3 toro(s)")
                        .arg(number, invoices->value(QStringLiteral("RAZAO_SOCIAL")).toString())
                        .arg(logs));
    exec();
}

void TfrmEtiquetas::FormShow()
{
    EditPlaqueta->clear();
    ComboModelo->setFocus();
}

void TfrmEtiquetas::ComboModeloChange(int index)
{
    const reports::LabelLayout *layout = reports::findLabelLayout(ComboModelo->itemData(index).toString());
    const int places = layout ? layout->labelsPerPage() : 1;
    SpinInicio->setRange(1, places);
    SpinInicio->setEnabled(places > 1);
}

void TfrmEtiquetas::produce(logs::ReportOutput output)
{
    QVariantMap params{{QStringLiteral("NOTA"), m_invoice.number.toLongLong()},
                       {QStringLiteral("FORNECEDOR"), m_invoice.supplier.toLongLong()},
                       {QStringLiteral("MODELO"), ComboModelo->currentData().toString()},
                       {QStringLiteral("INICIO"), SpinInicio->value()}};
    if (!EditPlaqueta->text().isEmpty())
        params.insert(QStringLiteral("PLAQUETA"), EditPlaqueta->text().toLongLong());
    // A plate not on this invoice finds nothing to print.
    if (!run(QStringLiteral("RepEtiquetas"), params, output) && !EditPlaqueta->text().isEmpty())
        EditPlaqueta->setFocus();
}
