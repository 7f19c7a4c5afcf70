#include "UnitPesquisa3.h"

#include "data/UnitDM.h"

namespace {

const QString kByName = QStringLiteral("NOMECREDOR");
const QString kByCode = QStringLiteral("CODIGOCREDOR");

} // namespace

QVector<TfrmPesquisa3::Caller> &TfrmPesquisa3::table()
{
    const Fields packingList = {{QStringLiteral("fornecedor"), kByName},
                                {QStringLiteral("inscricao"), QStringLiteral("CNPJ")},
                                {QStringLiteral("Edit1"), kByCode}};
    static QVector<Caller> callers = {
        {QStringLiteral("TfrmSaidaMadeiras"),
         {{QStringLiteral("fornecedor"), kByName},
          {QStringLiteral("inscricao"), QStringLiteral("IE")},
          {QStringLiteral("DBEdit1"), QStringLiteral("CNPJ")},
          {QStringLiteral("DBEDIT6"), kByCode}},
         {}, QStringLiteral("nota"), {}, {}},
        {QStringLiteral("TfrmRSaida1"),
         {{QStringLiteral("FORNECEDOR"), kByName}, {QStringLiteral("Edit1"), kByCode}},
         {}, QStringLiteral("nota1"), {}, {}},
        {QStringLiteral("TfrmRRomaneioSerrada"),
         {{QStringLiteral("Edit1"), kByCode}, {QStringLiteral("FORNECEDOR"), kByName},
          {QStringLiteral("Edit2"), QStringLiteral("ENDERECO")}, {QStringLiteral("Edit3"), QStringLiteral("BAIRRO")},
          {QStringLiteral("Edit5"), QStringLiteral("CIDADE")}, {QStringLiteral("Edit6"), QStringLiteral("UF")},
          {QStringLiteral("Edit7"), QStringLiteral("FONE")}, {QStringLiteral("Edit9"), QStringLiteral("CNPJ")},
          {QStringLiteral("Edit10"), QStringLiteral("CPF")}},
         {}, QStringLiteral("nota"), {}, {}},
        {QStringLiteral("TfrmRRomaneioToros"),
         {{QStringLiteral("Edit1"), kByCode}, {QStringLiteral("FORNECEDOR"), kByName},
          {QStringLiteral("edit2"), QStringLiteral("ENDERECO")}, {QStringLiteral("edit3"), QStringLiteral("BAIRRO")},
          {QStringLiteral("edit5"), QStringLiteral("CIDADE")}, {QStringLiteral("edit6"), QStringLiteral("UF")},
          {QStringLiteral("edit7"), QStringLiteral("FONE")}, {QStringLiteral("edit9"), QStringLiteral("CNPJ")},
          {QStringLiteral("edit10"), QStringLiteral("CPF")}},
         {}, QStringLiteral("nota"), {}, {}},
        {QStringLiteral("TfrmRomaneioserrada"), packingList,
         {QStringLiteral("nota"), QStringLiteral("data")}, QStringLiteral("nota"),
         {{QStringLiteral("nota"), QStringLiteral("0")}}, {QStringLiteral("BitBtn12")}},
        {QStringLiteral("TfrmRomaneiotoro"), packingList,
         {QStringLiteral("nota"), QStringLiteral("data")}, QStringLiteral("nota"),
         {{QStringLiteral("nota"), QStringLiteral("0")}}, {QStringLiteral("BitBtn12")}},
        {QStringLiteral("TfrmConsultaProduto"),
         {{QStringLiteral("Edit2"), kByCode}, {QStringLiteral("FORNECEDOR"), kByName}},
         {}, QStringLiteral("nota"), {}, {}},
    };
    return callers;
}

const QVector<TfrmPesquisa3::Caller> &TfrmPesquisa3::callers()
{
    return table();
}

void TfrmPesquisa3::registerCaller(const Caller &caller)
{
    registerInto(table(), caller);
}

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
                0,
                &table(),
                /*closeWithoutCaller=*/false,
                /*writeAsText=*/true},
          parent)
{
}

// Closing without a choice leaves the caller's client fields as they were;
// only the packing lists, which go back to no number, close the list.
bool TfrmPesquisa3::closesListOnReturn(const QWidget *caller, const Caller &entry) const
{
    return caller && !entry.onReturn.isEmpty();
}
