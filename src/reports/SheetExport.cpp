#include "SheetExport.h"

#include "ReportError.h"

#include "core/Formats.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <memory>

namespace reports {

namespace {

enum class CellKind { Empty, Number, Date, DateTime, Text };

CellKind kindOf(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return CellKind::Empty;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return CellKind::Number;
    case QMetaType::QDate:
        return CellKind::Date;
    case QMetaType::QDateTime:
        // Dates are kept as timestamps at midnight.
        return v.toDateTime().time() == QTime(0, 0) ? CellKind::Date : CellKind::DateTime;
    default:
        return v.toString().isEmpty() ? CellKind::Empty : CellKind::Text;
    }
}

QString formatOf(const Sheet &sheet, int column)
{
    return column < sheet.formats.size() ? sheet.formats.at(column) : QString();
}

// The number as its column shows it, less the thousands separators that
// would make it text to a spreadsheet.
QString numberText(double value, const QString &pattern)
{
    if (pattern.isEmpty())
        return core::generalNumber(value);
    QString plain = pattern;
    plain.remove(u',');
    return core::formatFloat(plain, value);
}

// A worksheet name: at most 31 characters, none of []:*?/\ .
QString sheetName(const QString &name)
{
    QString out;
    for (const QChar c : name) {
        if (!QStringLiteral("[]:*?/\\").contains(c))
            out += c;
    }
    out = out.trimmed().left(31);
    return out.isEmpty() ? QStringLiteral("Planilha1") : out;
}

lxw_datetime toLxw(const QDateTime &dt)
{
    const QDate d = dt.date();
    const QTime t = dt.time();
    lxw_datetime out;
    out.year = d.year();
    out.month = d.month();
    out.day = d.day();
    out.hour = t.hour();
    out.min = t.minute();
    out.sec = t.second() + t.msec() / 1000.0;
    return out;
}

struct WorkbookCloser
{
    void operator()(lxw_workbook *wb) const
    {
        if (wb)
            workbook_close(wb);
    }
};

QString lxwText(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

} // namespace

SheetFormat sheetFormatOf(const QString &path)
{
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? SheetFormat::Csv : SheetFormat::Xlsx;
}

void writeXlsx(const Sheet &sheet, const QString &path)
{
    // Written beside the target and renamed, so a failure leaves no half file.
    const QFileInfo target(path);
    const QString temp = target.absoluteDir().filePath(QStringLiteral(".%1.part").arg(target.fileName()));
    QFile::remove(temp);
    const QByteArray tempName = QFile::encodeName(temp);
    QTemporaryDir scratch;

    lxw_workbook_options options{};
    options.constant_memory = 1; // rows go straight to disk: any size of grid
    QByteArray scratchName = QFile::encodeName(scratch.path());
    options.tmpdir = scratch.isValid() ? scratchName.data() : nullptr;
    std::unique_ptr<lxw_workbook, WorkbookCloser> wb(workbook_new_opt(tempName.constData(), &options));
    if (!wb)
        throw ReportError(QStringLiteral("Não foi possível criar a planilha %1.").arg(path));

    const QByteArray name = sheetName(sheet.name).toUtf8();
    lxw_worksheet *ws = workbook_add_worksheet(wb.get(), name.constData());
    lxw_format *bold = workbook_add_format(wb.get());
    format_set_bold(bold);
    lxw_format *date = workbook_add_format(wb.get());
    format_set_num_format(date, "dd/mm/yyyy");
    lxw_format *dateTime = workbook_add_format(wb.get());
    format_set_num_format(dateTime, "dd/mm/yyyy hh:mm:ss");
    QVector<lxw_format *> numberFormats;
    for (int c = 0; c < sheet.titles.size(); ++c) {
        const QString pattern = formatOf(sheet, c);
        lxw_format *f = nullptr;
        if (!pattern.isEmpty()) {
            f = workbook_add_format(wb.get());
            format_set_num_format(f, pattern.toUtf8().constData());
        }
        numberFormats << f;
    }

    lxw_error error = LXW_NO_ERROR;
    auto check = [&](lxw_error e) {
        if (e != LXW_NO_ERROR && error == LXW_NO_ERROR)
            error = e;
    };
    for (int c = 0; c < sheet.titles.size(); ++c) {
        check(worksheet_write_string(ws, 0, lxw_col_t(c), sheet.titles.at(c).toUtf8().constData(), bold));
        check(worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), std::max(10, int(sheet.titles.at(c).size()) + 2),
                                   nullptr));
    }
    lxw_row_t r = 1;
    for (const QVector<QVariant> &row : sheet.rows) {
        for (int c = 0; c < row.size(); ++c) {
            const QVariant &v = row.at(c);
            const lxw_col_t col = lxw_col_t(c);
            switch (kindOf(v)) {
            case CellKind::Empty:
                break;
            case CellKind::Number:
                check(worksheet_write_number(ws, r, col, v.toDouble(), c < numberFormats.size() ? numberFormats[c] : nullptr));
                break;
            case CellKind::Date:
            case CellKind::DateTime: {
                const QDateTime dt = v.typeId() == QMetaType::QDate ? v.toDate().startOfDay() : v.toDateTime();
                lxw_datetime when = toLxw(dt);
                check(worksheet_write_datetime(ws, r, col, &when, kindOf(v) == CellKind::Date ? date : dateTime));
                break;
            }
            case CellKind::Text:
                check(worksheet_write_string(ws, r, col, v.toString().toUtf8().constData(), nullptr));
                break;
            }
        }
        ++r;
    }
    const lxw_error closed = workbook_close(wb.release());
    if (error == LXW_NO_ERROR)
        error = closed;
    if (error != LXW_NO_ERROR) {
        QFile::remove(temp);
        throw ReportError(QStringLiteral("Não foi possível gravar a planilha %1: %2").arg(path, lxwText(error)));
    }
    QFile::remove(path);
    if (!QFile::rename(temp, path)) {
        QFile::remove(temp);
        throw ReportError(QStringLiteral("Não foi possível gravar a planilha %1.").arg(path));
    }
}

QByteArray csvBytes(const Sheet &sheet)
{
    auto quoted = [](const QString &text) {
        if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
            return text;
        QString inner = text;
        inner.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return QStringLiteral("\"%1\"").arg(inner);
    };
    QString out;
    QStringList cells;
    for (const QString &t : sheet.titles)
        cells << quoted(t);
    out += cells.join(u';') + QStringLiteral("\r\n");
    for (const QVector<QVariant> &row : sheet.rows) {
        cells.clear();
        for (int c = 0; c < row.size(); ++c) {
            const QVariant &v = row.at(c);
            switch (kindOf(v)) {
            case CellKind::Empty: cells << QString(); break;
            case CellKind::Number: cells << numberText(v.toDouble(), formatOf(sheet, c)); break;
            case CellKind::Date:
                cells << (v.typeId() == QMetaType::QDate ? v.toDate() : v.toDateTime().date())
                             .toString(QStringLiteral("dd/MM/yyyy"));
                break;
            case CellKind::DateTime:
                cells << v.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
                break;
            case CellKind::Text: cells << quoted(v.toString()); break;
            }
        }
        out += cells.join(u';') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

void writeCsv(const Sheet &sheet, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csvBytes(sheet)) < 0 || !file.commit())
        throw ReportError(QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(path, file.errorString()));
}

void writeSheet(const Sheet &sheet, const QString &path)
{
    if (sheetFormatOf(path) == SheetFormat::Csv)
        writeCsv(sheet, path);
    else
        writeXlsx(sheet, path);
}

} // namespace reports
