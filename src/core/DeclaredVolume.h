#pragma once

#include <QString>

#include <optional>

// The volume a supplier's invoice declared against the volume measured in
// the yard: negative when the invoice overstates the wood.
namespace core {

// Measured less declared, in m3 rounded to four decimals.
double declaredDifference(double declared, double measured);
// The difference as a percent of the declared volume; none without one.
std::optional<double> declaredDifferencePercent(double declared, double measured);

// "-1,500" (three decimals, the sign when not zero).
QString formatVolume3(double volume, bool sign = false);
// "-5,00"; empty without a figure.
QString formatSignedPercent(std::optional<double> percent);

} // namespace core
