#pragma once

#include "ReportRegistry.h"

namespace data { class Connection; }

namespace reports {

// One label per log of a saved log invoice: the plate as Code 128 and in
// digits, the species, the volume, the invoice number and its date, laid
// on the sheet of the chosen layout. Parameters: NOTA and FORNECEDOR (the
// invoice), MODELO (a key of labelLayouts(), the first when left out) and
// INICIO (the first free label of the sheet, from 1); PLAQUETA, when
// given, prints that log's label alone.
ReportDefinition RepEtiquetas(data::Connection &connection, const QVariantMap &params);
ReportEntry repEtiquetasEntry();

} // namespace reports
