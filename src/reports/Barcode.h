#pragma once

#include <QString>
#include <QVector>

namespace reports {

// The bars of a Code 128 symbol, in modules (the narrowest bar or space is
// one module wide), left to right, without quiet zones.
struct BarcodeBars
{
    struct Bar
    {
        double x = 0;
        double width = 0;
    };
    QVector<Bar> bars;
    double width = 0; // the symbol's whole width
};

// Code 128 needs ten empty modules on each side to be read.
constexpr double kCode128QuietZone = 10;

// Encodes `text` as Code 128 (digits pack two to a symbol). Throws
// ReportError with the encoder's reason when it cannot be encoded.
BarcodeBars code128(const QString &text);

} // namespace reports
