#pragma once

#include <QString>

#include <stdexcept>

namespace reports {

// A report that cannot be made as asked: an unknown name, a missing or
// wrong parameter, a file that cannot be written. The text is for the user.
class ReportError : public std::runtime_error
{
public:
    explicit ReportError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace reports
