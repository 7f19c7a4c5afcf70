#include "UnitEntradaTorosProdutos.h"

#include "UnitEntradaToros.h"

#include "core/Dates.h"
#include "core/Formats.h"
#include "core/LogVolume.h"
#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/LookupCombo.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace widgets;

TfrmEntradaTorosProdutos::TfrmEntradaTorosProdutos(data::TDM *dm_, QWidget *parent)
    : MovementLineWindow(parent), dm(dm_)
{
    setObjectName(QStringLiteral("TfrmEntradaTorosProdutos"));
    setWindowTitle(QStringLiteral("Produtos"));
    data::DataSource *lines = dm->DSEntrada_Discriminacao;

    auto numeric = [&](const QString &name, const QString &column, int decimals) {
        return makeNumericEdit(name, lines, column, decimals);
    };
    auto hidden = [&](const QString &name, const QString &column) {
        auto *e = new DBEdit(lines, column);
        e->setObjectName(name);
        e->hide();
        return e;
    };

    DBEDIT1 = new ZeroPadEdit(nullptr, 6);
    DBEDIT1->setObjectName(QStringLiteral("DBEDIT1"));
    DBEDIT1->setDataSource(lines);
    DBEDIT1->setDataField(QStringLiteral("CODIGOPRODUTO"));
    ESSENCIA = new DBLookupComboBox;
    ESSENCIA->setObjectName(QStringLiteral("ESSENCIA"));
    ESSENCIA->setListSource(dm->QEssencia, QStringLiteral("ESSENCIA"), QStringLiteral("ESSENCIA"));
    ESSENCIA->setDataSource(lines);
    ESSENCIA->setDataField(QStringLiteral("ESSENCIA"));
    ESSENCIA->setDropDownOnEnter(true);
    DBEdit2 = hidden(QStringLiteral("DBEdit2"), QStringLiteral("SITUACAO_TRIBUTARIA"));
    DBComboBox1 = new DBComboBox;
    DBComboBox1->setObjectName(QStringLiteral("DBComboBox1"));
    DBComboBox1->setEditable(true);
    DBComboBox1->addItems({QString(), QStringLiteral("M/3"), QStringLiteral("KG"), QStringLiteral("M/2"),
                           QStringLiteral("MM"), QStringLiteral("UM")});
    DBComboBox1->setDataSource(lines);
    DBComboBox1->setDataField(QStringLiteral("UNIDADE"));
    COMPRIMENTO = numeric(QStringLiteral("COMPRIMENTO"), QStringLiteral("COMPRIMENTO"), 2);
    DIAMETRO = numeric(QStringLiteral("DIAMETRO"), QStringLiteral("DIAMETRO"), 2);
    DIAMETRO1 = numeric(QStringLiteral("DIAMETRO1"), QStringLiteral("DIAMETRO1"), 2);
    INDICE = numeric(QStringLiteral("INDICE"), QString(), 3);
    INDICE->setThousands(false);
    INDICE->setStyleSheet(QStringLiteral("font-weight: bold; color: blue;"));
    DIAMETROMEDIA = numeric(QStringLiteral("DIAMETROMEDIA"), QStringLiteral("DIAMETROMEDIA"), 2);
    DIAMETROMEDIA->setReadOnly(true);
    DIAMETROMEDIA->hide();
    QUANTIDADE = numeric(QStringLiteral("QUANTIDADE"), QStringLiteral("QUANTIDADE"), 4);
    QUANTIDADE->setReadOnly(true);
    QUANTIDADE->setStyleSheet(QStringLiteral("font-weight: bold; color: blue; background: #FFFFE1;"));
    VALUNITARIO = numeric(QStringLiteral("VALUNITARIO"), QStringLiteral("VALUNITARIO"), 2);
    ALIQICMS = numeric(QStringLiteral("ALIQICMS"), QStringLiteral("ALIQICMS"), 2);
    VALTOTAL = numeric(QStringLiteral("VALTOTAL"), QStringLiteral("VALTOTAL"), 2);
    VALTOTAL->setStyleSheet(QStringLiteral("background: #FFFFE1;"));
    DBEdit3 = hidden(QStringLiteral("DBEdit3"), QStringLiteral("CODIGOFORNECEDOR"));
    DBEdit4 = hidden(QStringLiteral("DBEdit4"), QStringLiteral("NFNUMERO"));
    DBEdit5 = hidden(QStringLiteral("DBEdit5"), QStringLiteral("CODIGOESSENCIA"));
    SITUACAO = hidden(QStringLiteral("SITUACAO"), QStringLiteral("SITUACAO"));
    EDITDATA = hidden(QStringLiteral("EDITDATA"), QStringLiteral("DATALANCAMENTO"));
    DBEdit6 = hidden(QStringLiteral("DBEdit6"), QStringLiteral("FORNECEDOR"));
    DBEdit7 = hidden(QStringLiteral("DBEdit7"), QStringLiteral("CPF"));
    DBEdit8 = hidden(QStringLiteral("DBEdit8"), QStringLiteral("INSCRICAO"));
    m3 = numeric(QStringLiteral("m3"), QString(), 4);
    desconto = numeric(QStringLiteral("desconto"), QString(), 4);
    m3->hide();
    desconto->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleBanner(QStringLiteral("Lançamento de Produtos")));
    auto *grid = new QGridLayout;
    int row = 0;
    auto add = [&](const QString &caption, QWidget *field) {
        grid->addWidget(captionPanel(caption, field), row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    add(QStringLiteral("Código do Produto"), DBEDIT1);
    add(QStringLiteral("Essência"), ESSENCIA);
    add(QStringLiteral("Unidade"), DBComboBox1);
    add(QStringLiteral("Comprimento"), COMPRIMENTO);
    add(QStringLiteral("Diametro [X]"), DIAMETRO);
    add(QStringLiteral("Diametro [Y]"), DIAMETRO1);
    add(QStringLiteral("Indice de Desconto"), INDICE);
    add(QStringLiteral("Quantidade [M/3]"), QUANTIDADE);
    add(QStringLiteral("Valor Unitário"), VALUNITARIO);
    add(QStringLiteral("Aliquota ICMS"), ALIQICMS);
    add(QStringLiteral("Valor Total"), VALTOTAL);
    grid->setColumnMinimumWidth(1, 220);
    layout->addLayout(grid);
    auto *hiddenRow = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{DBEdit2, DIAMETROMEDIA, DBEdit3, DBEdit4, DBEdit5, SITUACAO,
                                                       EDITDATA, DBEdit6, DBEdit7, DBEdit8, m3, desconto})
        hiddenRow->addWidget(w);
    layout->addLayout(hiddenRow);

    layout->addLayout(saveReturnButtons(BitBtn1, BitBtn3));
    setTabOrder(DBEDIT1, ESSENCIA);
    setTabOrder(ESSENCIA, DBComboBox1);
    setTabOrder(DBComboBox1, COMPRIMENTO);
    setTabOrder(COMPRIMENTO, DIAMETRO);
    setTabOrder(DIAMETRO, DIAMETRO1);
    setTabOrder(DIAMETRO1, INDICE);
    setTabOrder(INDICE, QUANTIDADE);
    setTabOrder(QUANTIDADE, VALUNITARIO);
    setTabOrder(VALUNITARIO, ALIQICMS);
    setTabOrder(ALIQICMS, VALTOTAL);

    setUpLines(dm->TEntrada_discriminacao, DBEDIT1, BitBtn1, BitBtn3);
    writesCode(ESSENCIA, QStringLiteral("CODIGO"), QStringLiteral("CODIGOESSENCIA"));
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
    reopen(dm->QEssencia, QStringLiteral("Select * from ESSENCIA Order by ESSENCIA"));
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
    lines->setValue(QStringLiteral("CPF"), f.cpf);
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
    saveLine({{[this] { return DBEDIT1->text() == QStringLiteral("000000"); },
               QStringLiteral("Código do Produto deve ser informao!"), DBEDIT1},
              chosen(ESSENCIA, QStringLiteral("Essência deve ser informada!")),
              unitChosen(DBComboBox1),
              notZero(COMPRIMENTO, QStringLiteral("Comprimento deve ser informao!")),
              notZero(DIAMETRO, QStringLiteral("Diametro[x] deve ser informao!")),
              notZero(QUANTIDADE, QStringLiteral("Quantidade deve ser informada!")),
              notZero(VALUNITARIO, QStringLiteral("Valor Unitário deve ser informado!"))},
             [this] {
                 auto *lines = dm->TEntrada_discriminacao;
                 lines->setValue(QStringLiteral("SITUACAO"), 0);
                 lines->post();
             },
             QStringLiteral("Insere Outro Produto para esta Nota Fiscal?"), [this] { fillInvoiceFields(); });
}

void TfrmEntradaTorosProdutos::BitBtn3Click()
{
    INDICE->setValue(0);
    close();
}
