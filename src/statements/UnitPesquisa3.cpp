#include "UnitPesquisa3.h"

#include "data/UnitDM.h"

namespace {

const QString kByName = QStringLiteral("NOMECREDOR");
const QString kByCode = QStringLiteral("CODIGOCREDOR");

} // namespace

TfrmPesquisa3::TfrmPesquisa3(data::TDM *dm, QWidget *parent)
    : PickerWindow(
          Setup{QStringLiteral("TfrmPesquisa3"),
                QStringLiteral("(Digite o nome do Cliente que deseja Localizar e tecle \"ENTER\")"),
                dm->QCredor,
                dm->DQCredor,
                QStringLiteral("Credor"),
                kByName,
                {{kByCode, QStringLiteral("Código"), 70},
                 {kByName, QStringLiteral("Cliente"), 330},
                 {QStringLiteral("CNPJ"), QStringLiteral("CNPJ"), 150}},
                600,
                {{QStringLiteral("CLIENTE"), kByName}, {QStringLiteral("CÓDIGO"), kByCode}},
                0},
          parent)
{
    setClosesListOnReturn(false);
}
