#pragma once

#include <QString>

#include <optional>

// The volumetric yield of logs sawn into sawn wood, against the legal
// coefficient: the credit the official forest-product control grants for
// each m3 of logs. Sawn wood beyond it has no credit behind it; below it,
// credits are left that the yard does not hold. Both are flagged.
namespace core {

// Percent of the log volume; the figure a company uses until it stores its own.
inline constexpr double kLegalYieldPercent = 35.0;

enum class YieldFlag { Below, Within, Above };

// Sawn volume over log volume, in percent; none without logs.
std::optional<double> yieldPercent(double logs, double sawn);

// Sawn produced less what the logs give at the coefficient (percent), in
// m3 rounded to four decimals: positive above, negative below.
double yieldDifference(double logs, double sawn, double coefficientPercent);

// Within only when the difference rounds to zero.
YieldFlag yieldFlag(double difference);
// "ACIMA", "ABAIXO", "NO COEFICIENTE".
QString yieldFlagText(YieldFlag flag);

// "32,00" (two decimals); empty without a figure.
QString formatYieldPercent(std::optional<double> percent);
// A volume with its sign: "+0,5000", "-0,3000", "0,0000".
QString formatSignedVolume(double volume);

} // namespace core
