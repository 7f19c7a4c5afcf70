#pragma once

#include <stdexcept>
#include <QString>

namespace data {

// Raised by the data layer for every database failure; carries the
// database's own text so the window can show it unchanged.
class DataError : public std::runtime_error
{
public:
    explicit DataError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace data
