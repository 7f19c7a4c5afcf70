#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <QVector>

namespace data { class Connection; }

namespace rules {

// The production of a period summed by the database for one species and
// one product (the product as the sawn-wood balance names it: trimmed, upper
// case).
struct YieldLine
{
    QVariant speciesCode;
    QString species;
    QString product;
    double logs = 0; // QTORA
    double sawn = 0; // QSERRADA
};

struct YieldSpecies
{
    QVariant speciesCode;
    QString species;
    double logs = 0;
    double sawn = 0;
    QVector<YieldLine> products;
};

// The production rows dated FROM to TO (both days whole), by species and
// product, in the order of the species' and products' names.
QVector<YieldLine> yieldLines(data::Connection *connection, const QDate &from, const QDate &to);

// The lines gathered by species (they come ordered by species), with totals.
QVector<YieldSpecies> yieldBySpecies(const QVector<YieldLine> &lines);

// The company's coefficient in percent (COEFICIENTE_RENDIMENTO), or the
// legal one when it has stored none.
double yieldCoefficient(data::Connection *connection);
// Stores the company's coefficient; throws data::DataError on a figure not
// above 0 and not below 100, or with the database's text.
void setYieldCoefficient(data::Connection *connection, double percent);

} // namespace rules
