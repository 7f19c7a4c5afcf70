#include "Barcode.h"

#include "ReportError.h"

#include <zint.h>

#include <memory>

namespace reports {

BarcodeBars code128(const QString &text)
{
    const std::unique_ptr<zint_symbol, void (*)(zint_symbol *)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    if (!symbol)
        throw ReportError(QStringLiteral("Sem memória para o código de barras."));
    symbol->symbology = BARCODE_CODE128;
    symbol->show_hrt = 0; // the report prints the digits itself
    const QByteArray data = text.toUtf8();
    if (data.isEmpty())
        throw ReportError(QStringLiteral("Código de barras sem conteúdo."));
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char *>(data.constData()), int(data.size()))
            >= ZINT_ERROR
        || ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector || symbol->width <= 0)
        throw ReportError(QStringLiteral("Código de barras \"%1\": %2")
                              .arg(text, QString::fromUtf8(symbol->errtxt)));
    // The vector is drawn at a scale of its own; bring it back to modules.
    const double perModule = double(symbol->vector->width) / symbol->width;
    BarcodeBars out;
    out.width = symbol->width;
    for (const zint_vector_rect *r = symbol->vector->rectangles; r; r = r->next)
        out.bars.push_back({r->x / perModule, r->width / perModule});
    return out;
}

} // namespace reports
