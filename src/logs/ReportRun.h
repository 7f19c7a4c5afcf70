#pragma once

#include <QString>
#include <QVariantMap>

class QWidget;

namespace data {
class TDM;
}

namespace logs {

enum class ReportOutput { Preview, Print };

// Produces the registered report NAME for PARAMS: in the preview window or
// straight to the default printer. False, with nothing shown, when the
// report's rows are empty; the caller then tells the user.
bool runReport(data::TDM *dm, const QString &name, const QVariantMap &params, ReportOutput output,
               QWidget *parent);

// The text the parameter windows show when a report finds nothing.
inline const QString kNoReport =
    QStringLiteral("Não há relatório(s) a ser(em) vizualizado(s) com os critérios informados!");

} // namespace logs
