#include "core/Dates.h"

#include <QStringList>

namespace core {

bool isEmptyDateText(const QString &text)
{
    for (const QChar c : text) {
        if (c != u' ' && c != u'_' && c != u'/' && c != u'0')
            return false;
    }
    return true;
}

QDate dateFromText(const QString &text, bool *ok)
{
    if (ok)
        *ok = isEmptyDateText(text);
    if (isEmptyDateText(text))
        return QDate();

    const QStringList parts = text.split(u'/');
    if (parts.size() != 3)
        return QDate();
    int numbers[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const QString part = parts.at(i).trimmed();
        const int maxLength = i == 2 ? 4 : 2;
        if (part.isEmpty() || part.size() > maxLength)
            return QDate();
        for (const QChar c : part) {
            if (c < u'0' || c > u'9')
                return QDate();
        }
        numbers[i] = part.toInt();
        // A two-digit year followed by blanks is a four-digit one half typed.
        if (i == 2 && part.size() != 4 && (part.size() != 2 || parts.at(i).size() != 2))
            return QDate();
        if (i == 2 && part.size() == 2) {
            const int pivot = QDate::currentDate().year() - 50;
            int year = pivot / 100 * 100 + numbers[2];
            if (year < pivot)
                year += 100;
            numbers[2] = year;
        }
    }
    const QDate date(numbers[2], numbers[1], numbers[0]);
    if (!date.isValid() || numbers[2] < 1)
        return QDate();
    if (ok)
        *ok = true;
    return date;
}

QString dateToText(const QDate &date, const QString &emptyText)
{
    if (!date.isValid())
        return emptyText;
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace core
