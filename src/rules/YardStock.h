#pragma once

#include <QVariant>

namespace data { class Connection; }

namespace rules {

// The logs in the yard (lines with SITUACAO 0), in m³, read from the summary
// the database keeps, so the figure costs the same whatever the yard's size.
double yardStock(data::Connection *connection);
double yardStockOfSpecies(data::Connection *connection, const QVariant &speciesCode);

} // namespace rules
