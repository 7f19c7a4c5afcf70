#include "UnitPesquisa1.h"

#include "data/UnitDM.h"

namespace {

const QString kByName = QStringLiteral("NOMEGRAU");
const QString kByFactor = QStringLiteral("FATOR");

} // namespace

TfrmPesquisa1::TfrmPesquisa1(data::TDM *dm_, QWidget *parent)
    : PickerWindow(
          Setup{QStringLiteral("TfrmPesquisa1"),
                QStringLiteral("(Digite o nome do Produto que deseja Localizar e tecle \"ENTER\")"),
                dm_->QProduto,
                dm_->DQProduto,
                QStringLiteral("PRODUTO"),
                kByName,
                {{kByName, QStringLiteral("Produto"), 330}, {kByFactor, QStringLiteral("Fator"), 80}},
                450,
                {{QStringLiteral("FATOR"), kByFactor}, {QStringLiteral("PRODUTO"), kByName}},
                1},
          parent),
      dm(dm_)
{
}

void TfrmPesquisa1::done(int result)
{
    dm->QProduto->close();
    PickerWindow::done(result);
}
