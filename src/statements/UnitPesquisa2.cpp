#include "UnitPesquisa2.h"

#include "PickerCatalog.h"

#include "core/Formats.h"
#include "data/Table.h"
#include "data/UnitDM.h"
#include "rules/LogPlate.h"
#include "widgets/Prompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

namespace {

const QString kCode = QStringLiteral("CODIGOPRODUTO");

widgets::PickerWindow::Setup listing(data::TDM *dm, data::Table *list)
{
    widgets::PickerWindow::Setup s = describedPicker(QStringLiteral("TfrmPesquisa2"), dm);
    s.list = list;
    s.source = new data::DataSource(list, QStringLiteral("DCONSULTA"), list);
    return s;
}

} // namespace

TfrmPesquisa2::TfrmPesquisa2(data::TDM *dm, QWidget *parent)
    : TfrmPesquisa2(dm,
                    new data::Table(dm->IBDatabase1, QStringLiteral("ENTRADA_TOROS_DISCRIMINACAO"),
                                    QStringLiteral("CODDISCRIMINACAO")),
                    parent)
{
}

TfrmPesquisa2::TfrmPesquisa2(data::TDM *dm_, data::Table *list, QWidget *parent)
    : PickerWindow(listing(dm_, list), parent),
      TCONSULTA(list), DCONSULTA(setup().source), dm(dm_)
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

void TfrmPesquisa2::searchEntered()
{
    const QString text = Edit1->text().trimmed();
    if (text.isEmpty()) {
        BitBtn1->click();
        return;
    }
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    rules::PlateWhereabouts where;
    if (text.contains(digits)) {
        const double plate = core::editValue(text);
        if (TCONSULTA->isActive() && TCONSULTA->locate(kCode, plate, {false, false})) {
            BitBtn1->click();
            return;
        }
        where = rules::plateWhereabouts(dm->IBDatabase1, plate);
        // Entered since the list opened (another workstation): list it again.
        if (where.state == rules::PlateWhereabouts::State::InYard) {
            openList();
            if (TCONSULTA->locate(kCode, plate, {false, false})) {
                BitBtn1->click();
                return;
            }
        }
    }
    QString message;
    switch (where.state) {
    case rules::PlateWhereabouts::State::Sawn:
        message = where.sawnOn.isValid()
                      ? QStringLiteral("Toro da plaqueta %1 já foi serrado na Produção em %2 e não está no pátio, "
                                       "Verifíque!").arg(text, where.sawnOn.toString(QStringLiteral("dd/MM/yyyy")))
                      : QStringLiteral("Toro da plaqueta %1 já foi serrado na Produção e não está no pátio, Verifíque!")
                            .arg(text);
        break;
    case rules::PlateWhereabouts::State::OutOfYard:
    case rules::PlateWhereabouts::State::InYard:
        message = QStringLiteral("Toro da plaqueta %1 não está no pátio, Verifíque!").arg(text);
        break;
    case rules::PlateWhereabouts::State::NeverEntered:
        message = QStringLiteral("Plaqueta %1 não foi lançada em nenhuma Nota Fiscal de entrada de toros, Verifíque!")
                      .arg(text);
        break;
    }
    widgets::warn(message, QStringLiteral("Pesquisa"), this);
    // The next scan replaces what was read.
    Edit1->setFocus();
    Edit1->selectAll();
}
