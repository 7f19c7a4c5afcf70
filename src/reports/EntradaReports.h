#pragma once

#include "ReportParts.h"

// What the invoice reports share: the invoice list of a period and the
// detailed invoice, each for logs and for sawn wood, and the packing list
// of a client.
namespace data { class Connection; }

namespace reports {

// Invoices of TABLE issued from INICIO to FIM, both days whole, in the
// order ORDEM (DATA_EMISSAO, RAZAO_SOCIAL or NF_NUMERO; NF_NUMERO when
// not given). The tax number is printed through the CNPJ or CPF mask by its
// length when `maskedTaxId`, else as bare digits.
ReportDefinition invoiceListReport(const QString &name, const QString &table, const QString &title,
                                   bool maskedTaxId, const QVariantMap &params);

// The lines of invoice NOTA of supplier FORNECEDOR in TABLE, grouped by the
// first 20 characters of the species, with volume and value subtotals per
// group and totals. The second column is titled `secondTitle` and prints
// `secondColumn` through `secondMask`; the volume is `volumeColumn`.
ReportDefinition invoiceDetailReport(const QString &name, const QString &table, const QString &title,
                                     const QString &secondTitle, const QString &secondColumn,
                                     const QString &secondMask, const QVariantMap &params,
                                     const QString &volumeColumn = QStringLiteral("QUANTIDADE"));

// A client as a packing list prints it: name, address, district, city-UF,
// telephone, and the CNPJ, or the CPF when the CNPJ is zeros or empty.
struct PackingClient
{
    QString name, address, district, city, phone, taxId;
};
PackingClient packingClient(data::Connection &connection, double code);

// A packing list of TABLE: the rows of client CLIENTE and number NOTA, and
// the page header with TITLE, the number, the date and the client. The
// caller gives the order, the columns and the summary.
ReportDefinition packingListReport(data::Connection &connection, const QString &name, const QString &table,
                                   const QString &title, const QVariantMap &params);
// The packing list's summary: the totals of SUMS (each the sum of the
// column of its name) under a rule, then "Observação" and the lines of
// OBSERVACAO; returns where the next line goes.
double packingSummary(ReportDefinition &def, const QVector<SumAt> &sums);

// The parameters of the two invoice shapes and of a packing list (CLIENTE,
// NOTA, OBSERVACAO), for the catalog.
QVector<ReportParameter> invoiceListParameters();
QVector<ReportParameter> invoiceDetailParameters();
QVector<ReportParameter> packingListParameters();

} // namespace reports
