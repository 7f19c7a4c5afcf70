#pragma once

#include <QJsonObject>
#include <QString>

namespace widgets {

// The description kept under NAME in the JSON file FILE (a resource such as
// ":/registers/registers.json"); each file is read once per run. A name the
// file lacks is a programming error.
QJsonObject describedIn(const QString &file, const QString &name);

} // namespace widgets
