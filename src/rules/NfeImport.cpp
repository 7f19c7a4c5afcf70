#include "NfeImport.h"

#include "LogInvoice.h"

#include "data/Statement.h"

#include <QDateTime>

namespace rules {

namespace {

const QString kBare = QStringLiteral("replace(replace(replace(replace(%1, '.', ''), '/', ''), '-', ''), ' ', '')");

QString bare(QString text)
{
    text.remove(QLatin1Char('.'));
    text.remove(QLatin1Char('/'));
    text.remove(QLatin1Char('-'));
    text.remove(QLatin1Char(' '));
    return text.toUpper();
}

QVariant textOrNull(const QString &text, int size)
{
    const QString t = text.trimmed().left(size);
    return t.isEmpty() ? QVariant() : QVariant(t);
}

QVariant numberOrNull(const QString &digits)
{
    bool ok = false;
    const double v = bare(digits).toDouble(&ok);
    return ok ? QVariant(v) : QVariant();
}

QVariant dayOf(const QDateTime &dt)
{
    return dt.isValid() ? QVariant(QDateTime(dt.date(), QTime(0, 0))) : QVariant();
}

} // namespace

std::optional<NfeSupplier> findNfeSupplier(data::Connection *connection, const core::NfeParty &issuer)
{
    const bool company = !issuer.cnpj.isEmpty();
    const QString column = company ? QStringLiteral("CNPJ") : QStringLiteral("CPF");
    const QVariantList row = data::firstRow(connection,
        QStringLiteral("select first 1 CODIGOFORNECEDOR, NOMEFORNECEDOR, CPF, INSCESTADUAL from FORNECEDOR "
                       "where upper(%1) = :id order by CODIGOFORNECEDOR").arg(kBare.arg(column)),
        {{QStringLiteral("id"), bare(company ? issuer.cnpj : issuer.cpf)}});
    if (row.isEmpty())
        return std::nullopt;
    return NfeSupplier{row.value(0), row.value(1).toString(), row.value(2).toString(), row.value(3).toString()};
}

NfeSupplier registerNfeSupplier(data::Connection *connection, const core::NfeParty &issuer)
{
    const bool company = !issuer.cnpj.isEmpty();
    const QVariantList row = data::firstRow(connection,
        QStringLiteral("insert into FORNECEDOR (NOMEFORNECEDOR, NOMEFANTASIA, ENDERECO, NUMERO, COMPLEMENTO, BAIRRO, "
                       "CEP, CIDADE, CIDADEUF, FONE, CNPJ, CPF, INSCESTADUAL, TIPOCLIENTE) values (:nome, :fantasia, "
                       ":endereco, :numero, :complemento, :bairro, :cep, :cidade, :uf, :fone, :cnpj, :cpf, :ie, :tipo) "
                       "returning CODIGOFORNECEDOR"),
        {{QStringLiteral("nome"), textOrNull(issuer.name, 50)},
         {QStringLiteral("fantasia"), textOrNull(issuer.tradeName, 50)},
         {QStringLiteral("endereco"), textOrNull(issuer.street, 40)},
         {QStringLiteral("numero"), textOrNull(issuer.number, 6)},
         {QStringLiteral("complemento"), textOrNull(issuer.complement, 30)},
         {QStringLiteral("bairro"), textOrNull(issuer.district, 30)},
         {QStringLiteral("cep"), textOrNull(issuer.cep, 9)},
         {QStringLiteral("cidade"), textOrNull(issuer.city, 30)},
         {QStringLiteral("uf"), textOrNull(issuer.uf, 2)},
         {QStringLiteral("fone"), textOrNull(issuer.phone, 11)},
         {QStringLiteral("cnpj"), textOrNull(bare(issuer.cnpj), 18)},
         {QStringLiteral("cpf"), textOrNull(bare(issuer.cpf), 20)},
         {QStringLiteral("ie"), textOrNull(issuer.stateRegistration, 20)},
         {QStringLiteral("tipo"), company ? QStringLiteral("PESSOA JURÍDICA") : QStringLiteral("PESSOA FÍSICA")}});
    return NfeSupplier{row.value(0), issuer.name.trimmed().left(50), bare(issuer.cpf),
                       issuer.stateRegistration.trimmed().left(20)};
}

bool nfeInvoiceEntered(data::Connection *connection, const QVariant &supplier, qint64 number)
{
    if (LogInvoice(connection).numberTaken({double(number), supplier}))
        return true;
    const QVariantList row = data::firstRow(connection,
        QStringLiteral("select count(*) from NFE_TOROS where CODIGOFORNECEDOR = :forn and NF_NUMERO = :nf"),
        {{QStringLiteral("forn"), supplier}, {QStringLiteral("nf"), double(number)}});
    return row.value(0).toInt() > 0;
}

QVariantMap nfeHeaderValues(const core::NfeDocument &nfe, const NfeSupplier &supplier)
{
    const core::NfeParty &e = nfe.issuer;
    QString street = e.street;
    if (!e.number.isEmpty())
        street += QStringLiteral(", ") + e.number;
    QString freight;
    if (nfe.freightMode == QLatin1String("0"))
        freight = QStringLiteral("EMITENTE");
    else if (nfe.freightMode == QLatin1String("1"))
        freight = QStringLiteral("DESTINATÁRIO");
    const QString carrierId = nfe.carrier.cnpj.isEmpty() ? nfe.carrier.cpf : nfe.carrier.cnpj;
    const QDateTime exit = nfe.exit.isValid() ? nfe.exit : nfe.issued;
    return {
        {QStringLiteral("NF_NUMERO"), double(nfe.number)},
        {QStringLiteral("NATUREZA_OPERACAO"), textOrNull(nfe.nature, 50)},
        {QStringLiteral("CFOP"), numberOrNull(nfe.cfop)},
        {QStringLiteral("CODIGOFORNECEDOR"), supplier.code},
        {QStringLiteral("RAZAO_SOCIAL"), textOrNull(supplier.name, 100)},
        {QStringLiteral("CGC"), numberOrNull(supplier.cpf)},
        {QStringLiteral("INSC_ESTADUAL"), textOrNull(supplier.stateRegistration, 20)},
        {QStringLiteral("ENDERECO"), textOrNull(street, 80)},
        {QStringLiteral("BAIRRO"), textOrNull(e.district, 30)},
        {QStringLiteral("MUNICIPIO"), textOrNull(e.city, 30)},
        {QStringLiteral("UF"), textOrNull(e.uf, 2)},
        {QStringLiteral("TELEFONE"), textOrNull(e.phone, 11)},
        {QStringLiteral("DATA_EMISSAO"), dayOf(nfe.issued)},
        {QStringLiteral("DATA_SAIDA"), dayOf(exit)},
        {QStringLiteral("HORA_SAIDA"),
         nfe.exit.isValid() ? QVariant(nfe.exit.time().toString(QStringLiteral("HHmm"))) : QVariant()},
        {QStringLiteral("BASE_CALCULO_ICMS"), nfe.icmsBase},
        {QStringLiteral("VALOR_ICMS"), nfe.icms},
        {QStringLiteral("BASE_CALCULO_ICMS_SUBST"), nfe.icmsStBase},
        {QStringLiteral("VALOR_ICMS_SUBST"), nfe.icmsSt},
        {QStringLiteral("VALOR_FRETE"), nfe.freight},
        {QStringLiteral("VALOR_SEGURO"), nfe.insurance},
        {QStringLiteral("OUTRAS_DESPESAS"), nfe.otherCosts},
        {QStringLiteral("VALOR_IPI"), nfe.ipi},
        {QStringLiteral("VALOR_TOTAL_NOTA"), nfe.total},
        {QStringLiteral("VALOR_TOTAL_PRODUTOS"), nfe.products},
        {QStringLiteral("NOME_TRANSPORTADOR"), textOrNull(nfe.carrier.name, 80)},
        {QStringLiteral("FRETE"), textOrNull(freight, 30)},
        {QStringLiteral("PLACA"), textOrNull(nfe.plate, 20)},
        {QStringLiteral("PLACA_UF"), textOrNull(nfe.plateUf, 2)},
        {QStringLiteral("CNPJ_CPF"), textOrNull(carrierId, 20)},
        {QStringLiteral("ENDERECO_TRANSPORTADOR"), textOrNull(nfe.carrier.street, 50)},
        {QStringLiteral("MUNICIPIO_TRANSPORTADOR"), textOrNull(nfe.carrier.city, 30)},
        {QStringLiteral("UF_TRANSPORTADOR"), textOrNull(nfe.carrier.uf, 2)},
        {QStringLiteral("IE_TRANSPORTADOR"), textOrNull(nfe.carrier.stateRegistration, 20)},
        {QStringLiteral("QUANTIDADE"), nfe.volumes},
        {QStringLiteral("ESPECIE"), textOrNull(nfe.volumeKind, 20)},
        {QStringLiteral("MARCA"), textOrNull(nfe.volumeBrand, 20)},
        {QStringLiteral("NUMERO"), numberOrNull(nfe.volumeNumbers)},
        {QStringLiteral("PESO_BRUTO"), nfe.grossWeight},
        {QStringLiteral("PESO_LIQUIDO"), nfe.netWeight},
        {QStringLiteral("DADOS_ADICIONAIS"), textOrNull(nfe.additionalInfo, 200)},
        {QStringLiteral("ALIQ_ICMS"), nfe.icmsBase > 0 ? QVariant(nfe.icms / nfe.icmsBase * 100) : QVariant()},
    };
}

void storeDeclaredVolume(data::Connection *connection, const QVariant &supplier, const QVariant &number,
                         const QString &accessKey, double cubicMetres)
{
    data::execute(connection,
                  QStringLiteral("insert into NFE_TOROS (CODIGOFORNECEDOR, NF_NUMERO, CHAVE, VOLUME_DECLARADO, "
                                 "DATA_IMPORTACAO) values (:forn, :nf, :chave, :volume, :agora)"),
                  {{QStringLiteral("forn"), supplier},
                   {QStringLiteral("nf"), number},
                   {QStringLiteral("chave"), textOrNull(accessKey, 44)},
                   {QStringLiteral("volume"), cubicMetres},
                   {QStringLiteral("agora"), QDateTime::currentDateTime()}});
}

} // namespace rules
