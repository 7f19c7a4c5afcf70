#pragma once

#include "reports/ReportDefinition.h"

#include <QDateTime>
#include <QString>
#include <QVariantList>

namespace data { class Connection; }

// Golden-text checks of reports: a report is written to PDF with the
// engine's own writer under a fixed clock, turned into text by
// `pdftotext -layout` and compared with an expected file kept beside the
// test. QUELVORA_UPDATE_GOLDEN=1 writes the expected files instead of
// comparing (then review them with git diff).
namespace reporttest {

// 09/12/2026 14:30:00: the clock of every golden file.
QDateTime fixedClock();

// Fixes the engine's clock for the life of the object.
class FixedClock
{
public:
    FixedClock();
    ~FixedClock();
};

// `pdftotext -layout` of a PDF, with trailing blanks cut and each page end
// written as a line "[página]". Empty with *error set on failure.
QString pdfText(const QString &pdfPath, QString *error);

// Writes the report to a scratch PDF and returns its text as pdfText does.
QString reportText(const reports::ReportDefinition &def, data::Connection *connection, QString *error);

// Compares `text` with the expected file; true when equal (or rewritten
// under QUELVORA_UPDATE_GOLDEN=1). *message says where they differ.
bool matchesGolden(const QString &text, const QString &expectedFile, QString *message);

// The path of an expected file beside the test source.
QString expectedPath(const QString &testSourceDir, const QString &name);

// Runs one statement with positional values; throws data::DataError.
void exec(data::Connection *connection, const QString &sql, const QVariantList &values = {});

// The company row every page header prints.
void addCompany(data::Connection *connection, const QString &name = QStringLiteral("MADEIREIRA MODELO LTDA"),
                const QString &stateRegistry = QStringLiteral("131234567"),
                const QString &cnpj = QStringLiteral("11222333000181"));

// A log line; `sawn` gives SITUACAO 1.
void addLog(data::Connection *connection, const QString &species, double plate, double volume, bool sawn = false,
            double length = 4.0, double dx = 0.5, double dy = 0.6);

} // namespace reporttest

// Compares text with the expected file `name` in the test's expected/ folder.
#define QUELVORA_COMPARE_GOLDEN(text, name)                                                                       \
    do {                                                                                                          \
        QString golden_message_;                                                                                  \
        QVERIFY2(reporttest::matchesGolden((text), reporttest::expectedPath(QStringLiteral(QUELVORA_TEST_SOURCE_DIR), \
                                                                            (name)),                              \
                                           &golden_message_),                                                     \
                 qPrintable(golden_message_));                                                                    \
    } while (false)
