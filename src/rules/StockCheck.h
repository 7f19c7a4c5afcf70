#pragma once

#include <QString>
#include <QVector>

namespace data { class Connection; }

namespace rules {

// One figure the summary holds differently from the movements.
struct StockDifference
{
    QString what;       // e.g. "Estoque do pátio, essência 3"
    double summary = 0; // what the summary table says
    double movements = 0;
};

// Recomputes every yard-stock and sawn-balance figure from the movements and
// compares it with the summary. Figures that differ by less than half of the
// last decimal shown (0,00005 m³) are the same: sums of the same volumes in
// another order may differ in the last bits.
QVector<StockDifference> stockDifferences(data::Connection *connection);

} // namespace rules
