#include "UnitEntradaTorosProdutos.h"

#include "UnitEntradaToros.h"

#include "core/Dates.h"
#include "core/Formats.h"
#include "core/LogVolume.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/FormBinder.h"
#include "widgets/Prompter.h"

#include <QPushButton>

using namespace widgets;

TfrmEntradaTorosProdutos::TfrmEntradaTorosProdutos(data::TDM *dm_, QWidget *parent)
    : MovementLineWindow(dm_, parent)
{
    setupUi(this);
    FormBinder::bind(this, dm->DSEntrada_Discriminacao);
    INDICE->setThousands(false);

    setUpLines(dm->TEntrada_discriminacao, DBEDIT1, BitBtn1, BitBtn3);
    listsSpecies(ESSENCIA, QStringLiteral("CODIGOESSENCIA"));
    onEnter(INDICE, [this] { INDICEEnter(); });
    onExit(INDICE, [this] { INDICEExit(); });
    onEnter(VALUNITARIO, [this] { VALUNITARIOEnter(); });
    onExit(VALUNITARIO, [this] { VALUNITARIOExit(); });
    savesOnLeaving(ALIQICMS);
}

void TfrmEntradaTorosProdutos::FormShow()
{
    auto *lines = dm->TEntrada_discriminacao;
    if (m_header && lines->isEditing())
        lines->setValue(QStringLiteral("DATALANCAMENTO"), core::dateFromText(m_header->data_text()));
}

void TfrmEntradaTorosProdutos::fillInvoiceFields()
{
    if (!m_header)
        return;
    const TfrmEntradaToros::InvoiceFields f = m_header->invoiceFields();
    auto *lines = dm->TEntrada_discriminacao;
    lines->setValue(QStringLiteral("DATALANCAMENTO"), core::dateFromText(f.dataEmissao));
    lines->setValue(QStringLiteral("CODIGOFORNECEDOR"), f.codigoFornecedor);
    lines->setValue(QStringLiteral("NFNUMERO"), f.nfNumero);
    lines->setValue(QStringLiteral("FORNECEDOR"), f.fornecedor);
    // The column may not be empty: a supplier with no CPF (a company) gives 0,
    // as the sale's lines do, instead of a refused line.
    lines->setValue(QStringLiteral("CPF"), f.cpf.isNull() || f.cpf.toString().isEmpty() ? QVariant(0) : f.cpf);
    lines->setValue(QStringLiteral("INSCRICAO"), f.inscricao);
}

void TfrmEntradaTorosProdutos::INDICEEnter()
{
    m3->setValue(core::grossLogVolume(COMPRIMENTO->value(), DIAMETRO->value(), DIAMETRO1->value()));
}

void TfrmEntradaTorosProdutos::INDICEExit()
{
    const double index = INDICE->value();
    if (INDICE->shownText(index, false) != QStringLiteral("0,000")) {
        desconto->setValue(core::logDiscount(m3->value(), index));
        writeComputed(dm->TEntrada_discriminacao, QStringLiteral("QUANTIDADE"), QUANTIDADE, core::netLogVolume(m3->value(), desconto->value()));
    } else {
        desconto->setValue(0);
        writeComputed(dm->TEntrada_discriminacao, QStringLiteral("QUANTIDADE"), QUANTIDADE,
                  core::logProduct(COMPRIMENTO->value(), DIAMETRO->value(), DIAMETRO1->value()));
    }
}

void TfrmEntradaTorosProdutos::VALUNITARIOEnter()
{
    writeComputed(dm->TEntrada_discriminacao, QStringLiteral("QUANTIDADE"), QUANTIDADE, core::netLogVolume(m3->value(), desconto->value()));
}

void TfrmEntradaTorosProdutos::VALUNITARIOExit()
{
    writeComputed(dm->TEntrada_discriminacao, QStringLiteral("VALTOTAL"), VALTOTAL, core::lineValue(QUANTIDADE->value(), VALUNITARIO->value()));
}

void TfrmEntradaTorosProdutos::BitBtn1Click()
{
    saveIntakeLine({{[this] { return DBEDIT1->text() == QStringLiteral("000000"); },
                     QStringLiteral("Código do Produto deve ser informao!"), DBEDIT1},
                    chosen(ESSENCIA, QStringLiteral("Essência deve ser informada!")),
                    unitChosen(DBComboBox1),
                    notZero(COMPRIMENTO, QStringLiteral("Comprimento deve ser informao!")),
                    notZero(DIAMETRO, QStringLiteral("Diametro[x] deve ser informao!")),
                    notZero(QUANTIDADE, QStringLiteral("Quantidade deve ser informada!")),
                    notZero(VALUNITARIO, QStringLiteral("Valor Unitário deve ser informado!"))},
                   [this] { fillInvoiceFields(); });
}

void TfrmEntradaTorosProdutos::BitBtn3Click()
{
    INDICE->setValue(0);
    close();
}
