#pragma once

#include <QDate>
#include <QVariant>

namespace data { class Connection; }

namespace rules {

// Where the log with a plate number stands: in the yard (SITUACAO 0), sawn
// (SITUACAO 1, with the date of its production row when there is one),
// entered but out of the yard otherwise, or never entered on an invoice.
struct PlateWhereabouts
{
    enum class State { InYard, Sawn, OutOfYard, NeverEntered };
    State state = State::NeverEntered;
    QDate sawnOn;       // the production's date, when sawn
    QVariant nfNumero;  // the invoice it came on, when entered
};

// Asks the database for the log line with this plate (CODIGOPRODUTO, unique).
PlateWhereabouts plateWhereabouts(data::Connection *connection, double plate);

} // namespace rules
