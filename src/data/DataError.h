#pragma once

#include <stdexcept>
#include <QString>

namespace data {

// Raised by the data layer for every database failure; carries the
// database's own text so the window can show it unchanged, and what kind of
// failure it is, so a window tells a duplicate from a broken connection.
class DataError : public std::runtime_error
{
public:
    enum class Kind {
        Other,
        UniqueKey,      // a unique index or key refused the row
        ConnectionLost, // the server cannot be reached; the next access connects again
        ChangedElsewhere, // the row was changed or deleted by someone else since it was read
    };

    explicit DataError(const QString &message, Kind kind = Kind::Other)
        : std::runtime_error(message.toStdString()), m_message(message), m_kind(kind) {}
    QString message() const { return m_message; }
    Kind kind() const { return m_kind; }

    // The kind the engine's SQLCODE names on its own (a lost connection also
    // needs a look at the link: see Connection::errorFrom).
    static Kind kindOfSqlCode(int sqlcode);

    // The refusal of a change (or deletion) of a row that someone else
    // changed or deleted after it was read; `detail` is the database's text,
    // when it gave one.
    enum class Refused { Change, Deletion };
    static DataError changedElsewhere(Refused what, const QString &detail = {});

private:
    QString m_message;
    Kind m_kind;
};

} // namespace data
