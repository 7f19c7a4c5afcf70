#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

namespace data { class Connection; }

namespace rules {

// One production row: a log (its plate code) sawn whole on a date into a
// product. QSERRADA is computed from the log's volume and the product's
// transformation index (sawnVolume).
struct ProductionRow
{
    QDate date;
    QString product;     // the product's name; PRODUCAO keeps 30 characters
    QVariant log;        // CODPRODUTO: the plate code of the log line
    QString species;
    QVariant speciesCode;
    double logVolume = 0; // QTORA
    double logValue = 0;  // VALTORA
    double sawnVolume = 0; // QSERRADA
};

// Sawing a log: the production row and its log line change together.
class Production
{
public:
    enum class Refusal { None, LogMissing, LogAlreadySawn };

    explicit Production(data::Connection *connection) : m_connection(connection) {}

    // QTORA / index / 10, the index given in ten-thousandths; the result as
    // the general number text gives it back (15 significant digits).
    static double sawnVolume(double logVolume, qint64 indexTenThousandths);

    // Stores ROW and marks its log sawn (SITUACAO 1), all or nothing. A log
    // that is not there or is no longer in the yard (another workstation
    // sawed it since it was listed) refuses the save and changes nothing.
    // Database errors (the unique index on the log code among them) raise
    // DataError, leaving both tables as they were.
    Refusal save(const ProductionRow &row);

    // Deletes the production row CODLANCAMENTO and puts its log back in the
    // yard (SITUACAO 0), all or nothing. False when the row is not there.
    bool remove(const QVariant &codLancamento);

private:
    data::Connection *m_connection;
};

} // namespace rules
