#pragma once

#include "core/NfeDocument.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

namespace data { class Connection; }

namespace rules {

// The supplier of an imported invoice as the invoice header copies it.
struct NfeSupplier
{
    QVariant code; // CODIGOFORNECEDOR
    QString name;
    QString cpf;   // FORNECEDOR.CPF, which the header keeps in CGC
    QString stateRegistration;
};

// The supplier registered with the issuer's CNPJ (or CPF), compared by its
// characters without the mask's dots, slashes and dashes.
std::optional<NfeSupplier> findNfeSupplier(data::Connection *connection, const core::NfeParty &issuer);

// Registers the issuer as a supplier with the name, address and state
// registration of the invoice; joins the caller's transaction.
NfeSupplier registerNfeSupplier(data::Connection *connection, const core::NfeParty &issuer);

// The invoice of this supplier and number is already in: a header, lines
// without a header, or an imported declared volume.
bool nfeInvoiceEntered(data::Connection *connection, const QVariant &supplier, qint64 number);

// The log invoice header's columns (ENTRADA_TOROS) filled from the invoice,
// texts cut to their columns' sizes.
QVariantMap nfeHeaderValues(const core::NfeDocument &nfe, const NfeSupplier &supplier);

// Keeps the volume the invoice declared beside the header (NFE_TOROS);
// joins the caller's transaction, in which the header is posted.
void storeDeclaredVolume(data::Connection *connection, const QVariant &supplier, const QVariant &number,
                         const QString &accessKey, double cubicMetres);

} // namespace rules
