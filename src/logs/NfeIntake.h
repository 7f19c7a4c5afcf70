#pragma once

#include "rules/LogInvoice.h"
#include "rules/NfeImport.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace data { class Connection; class DataSet; }

namespace logs {

// "Importar NF-e" of the log intake: reads the supplier's invoice XML,
// checks it, finds the supplier by CNPJ or CPF (offering to register an
// unknown one) and fills a new header; the declared volume is kept when the
// header is saved. A file that cannot be imported gets its message and
// leaves nothing behind.
class NfeIntake
{
public:
    explicit NfeIntake(data::Connection *connection) : m_connection(connection) {}

    // Where the file comes from; the file dialog unless set (tests).
    void setFileChooser(std::function<QString()> chooser) { m_chooser = std::move(chooser); }

    // Reads the chosen file; on success appends a header to HEADER (via
    // `append`, the window's own start of a new invoice) and fills it.
    // False when nothing was filled (the user was told why).
    bool start(data::DataSet *header, const std::function<void()> &append, QWidget *parent);

    // The header has been posted under KEY inside the caller's transaction:
    // the declared volume joins it.
    void headerPosted(const rules::InvoiceKey &key);
    // The header was saved (the transaction committed) or left unsaved.
    void clear() { m_pending.reset(); }
    bool pending() const { return m_pending.has_value(); }

private:
    struct Pending
    {
        QString accessKey;
        double declared = 0;
    };
    std::optional<core::NfeDocument> read(const QString &path, QWidget *parent);

    data::Connection *m_connection;
    std::function<QString()> m_chooser;
    std::optional<Pending> m_pending;
};

} // namespace logs
