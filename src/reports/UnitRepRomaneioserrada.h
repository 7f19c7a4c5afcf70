#pragma once

#include "ReportRegistry.h"

namespace data { class Connection; }

namespace reports {

// One sawn-wood packing list of a client (CLIENTE, NOTA) with the client's
// address, the observation and the receipt lines.
ReportDefinition RepRomaneioserrada(data::Connection &connection, const QVariantMap &params);
ReportEntry repRomaneioserradaEntry();

} // namespace reports
