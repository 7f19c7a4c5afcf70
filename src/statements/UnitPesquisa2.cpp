#include "UnitPesquisa2.h"

#include "core/Formats.h"
#include "data/Table.h"
#include "data/UnitDM.h"

#include <QLabel>

namespace {

const QString kCode = QStringLiteral("CODIGOPRODUTO");

} // namespace

TfrmPesquisa2::TfrmPesquisa2(data::TDM *dm, QWidget *parent)
    : TfrmPesquisa2(dm,
                    new data::Table(dm->IBDatabase1, QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO"),
                                    QStringLiteral("CODDISCRIMINACAO")),
                    parent)
{
}

TfrmPesquisa2::TfrmPesquisa2(data::TDM *, data::Table *list, QWidget *parent)
    : PickerWindow(
          Setup{QStringLiteral("TfrmPesquisa2"),
                QStringLiteral("(Digite o Código do Produto que deseja Localizar e tecle \"ENTER\")"),
                list,
                new data::DataSource(list, QStringLiteral("DCONSULTA"), list),
                {},
                kCode,
                {{kCode, QStringLiteral("Produto"), 80},
                 {QStringLiteral("ESSENCIA"), QStringLiteral("Essência"), 200},
                 {QStringLiteral("DATALANCAMENTO"), QStringLiteral("Entrada"), 90},
                 {QStringLiteral("NFNUMERO"), QStringLiteral("NF"), 70}},
                480,
                {{QStringLiteral("CÓDIGO PRODUTO"), kCode},
                 {QStringLiteral("ENTRADA"), kCode},
                 {QStringLiteral("ESSÊNCIA"), kCode},
                 {QStringLiteral("NF"), kCode}},
                0},
          parent),
      TCONSULTA(list), DCONSULTA(setup().source)
{
    list->setParent(this);
    list->setObjectName(QStringLiteral("TCONSULTA"));
    list->setDisplayFormat(QStringLiteral("NFNUMERO"), QStringLiteral("000000"));
}

// Exactly the logs in the yard at the moment it opens.
void TfrmPesquisa2::openList()
{
    TCONSULTA->setFiltered(false);
    TCONSULTA->close();
    TCONSULTA->setFilter(QStringLiteral("SITUACAO = 0"));
    TCONSULTA->setFiltered(true);
    TCONSULTA->setIndexFieldNames(kCode);
    TCONSULTA->open();
    Panel2->setText(QString::number(TCONSULTA->recordCount()));
}

void TfrmPesquisa2::locateText(const QString &text)
{
    const double code = core::editValue(text);
    if (code != 0 || text.trimmed() == QLatin1String("0"))
        TCONSULTA->locate(kCode, code, {false, false});
}

// The list stays in plate-code order whatever is chosen.
void TfrmPesquisa2::orderChosen(int) {}
