#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <QVector>

namespace data { class Connection; }

namespace rules {

// One imported log invoice: the volume its NF-e declared and the volume
// of its log lines as measured in the yard.
struct DeclaredInvoice
{
    QVariant supplier; // CODIGOFORNECEDOR
    QString supplierName;
    double number = 0; // NF_NUMERO
    QDate issued;
    double declared = 0;
    double measured = 0;
};

// The imported invoices issued FROM to TO (both days whole), of one
// supplier or of all when SUPPLIER is null, by supplier name, date and number.
QVector<DeclaredInvoice> declaredVersusMeasured(data::Connection *connection, const QDate &from, const QDate &to,
                                                const QVariant &supplier = {});

} // namespace rules
