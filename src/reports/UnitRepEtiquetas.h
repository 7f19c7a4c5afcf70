#pragma once

#include "ReportRegistry.h"

namespace data { class Connection; }

namespace reports {

struct LabelLayout;

// One label per log of a saved log invoice: the plate as Code 128 and in
// digits, the species, the volume, the invoice number and its date, laid
// on the sheet of the chosen layout. Parameters: NOTA and FORNECEDOR (the
// invoice), MODELO (a key of labelLayouts(), the first when left out) and
// INICIO (the first free label of the sheet, from 1).
ReportDefinition RepEtiquetas(data::Connection &connection, const QVariantMap &params);
ReportEntry repEtiquetasEntry();

// The label's contents placed for a layout, the same for every label.
Band labelBand(const LabelLayout &layout);

// The plate number as the labels print and encode it.
QString plateText(const QVariant &plate);

} // namespace reports
