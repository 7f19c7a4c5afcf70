#include "UnitEtiquetas.h"

#include "data/DataSet.h"
#include "data/UnitDM.h"
#include "reports/LabelLayouts.h"
#include "reports/ReportDefinition.h"
#include "widgets/Prompter.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace widgets;

namespace {

const QString kCaption = QStringLiteral("Etiquetas");

} // namespace

TfrmEtiquetas::TfrmEtiquetas(data::TDM *dm, QWidget *parent)
    : ReportParameterWindow(dm, QStringLiteral("TfrmEtiquetas"), QStringLiteral("Etiquetas dos Toros"), parent)
{
    auto *layout = new QVBoxLayout(this);
    Label1 = new QLabel;
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("font-weight: bold; color: navy;"));
    layout->addWidget(Label1);
    auto *form = new QFormLayout;
    ComboModelo = new QComboBox;
    ComboModelo->setObjectName(QStringLiteral("ComboModelo"));
    for (const reports::LabelLayout &l : reports::labelLayouts())
        ComboModelo->addItem(l.description, l.key);
    SpinInicio = new QSpinBox;
    SpinInicio->setObjectName(QStringLiteral("SpinInicio"));
    SpinInicio->setToolTip(QStringLiteral("Numa folha já usada, a primeira etiqueta livre, contando da esquerda para "
                                          "a direita e de cima para baixo."));
    EditPlaqueta = new QLineEdit;
    EditPlaqueta->setObjectName(QStringLiteral("EditPlaqueta"));
    EditPlaqueta->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")),
                                                               EditPlaqueta));
    EditPlaqueta->setToolTip(QStringLiteral("Para repor a etiqueta de um toro; em branco, todos os toros da nota."));
    form->addRow(QStringLiteral("&Modelo"), ComboModelo);
    form->addRow(QStringLiteral("&Começar na etiqueta"), SpinInicio);
    form->addRow(QStringLiteral("&Só a plaqueta"), EditPlaqueta);
    layout->addLayout(form);
    layout->addLayout(reportButtons(QStringLiteral("Im&primir")));
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
