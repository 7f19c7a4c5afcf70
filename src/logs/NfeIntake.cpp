#include "NfeIntake.h"

#include "core/Formats.h"
#include "data/DataSet.h"
#include "taxid/TaxId.h"
#include "widgets/Prompter.h"

#include <QFile>
#include <QFileDialog>

using namespace widgets;

namespace logs {

namespace {
const QString kCaption = QStringLiteral("Importar NF-e");
}

std::optional<core::NfeDocument> NfeIntake::read(const QString &path, QWidget *parent)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error(QStringLiteral("Não foi possível ler o arquivo:\n%1\n\n%2").arg(path, file.errorString()), kCaption,
              parent);
        return std::nullopt;
    }
    core::NfeDocument nfe;
    try {
        nfe = core::parseNfe(file.readAll());
    } catch (const core::NfeError &e) {
        error(e.message(), kCaption, parent);
        return std::nullopt;
    }
    // A key that fails its check digits is a forged or mistyped invoice.
    if (!nfe.issuer.cnpj.isEmpty() && !taxid::isValidCnpj(nfe.issuer.cnpj)) {
        error(QStringLiteral("CNPJ do emitente inválido (%1): a NF-e não será importada.").arg(nfe.issuer.cnpj),
              kCaption, parent);
        return std::nullopt;
    }
    if (nfe.issuer.cnpj.isEmpty() && !taxid::isValidCpf(nfe.issuer.cpf)) {
        error(QStringLiteral("CPF do emitente inválido (%1): a NF-e não será importada.").arg(nfe.issuer.cpf),
              kCaption, parent);
        return std::nullopt;
    }
    return nfe;
}

bool NfeIntake::start(data::DataSet *header, const std::function<void()> &append, QWidget *parent)
{
    const QString path = m_chooser ? m_chooser()
                                   : QFileDialog::getOpenFileName(parent, kCaption, QString(),
                                                                  QStringLiteral("NF-e (*.xml);;Todos (*)"));
    if (path.isEmpty())
        return false;
    const std::optional<core::NfeDocument> nfe = read(path, parent);
    if (!nfe)
        return false;
    const QString id = nfe->issuer.cnpj.isEmpty() ? nfe->issuer.cpf : nfe->issuer.cnpj;
    std::optional<rules::NfeSupplier> supplier = rules::findNfeSupplier(m_connection, nfe->issuer);
    if (supplier && rules::nfeInvoiceEntered(m_connection, supplier->code, nfe->number)) {
        error(QStringLiteral("Nota Fiscal %1 já lançada para este Fornecedor, Verifíque!")
                  .arg(core::formatFloat(QStringLiteral("000000"), double(nfe->number))),
              kCaption, parent);
        return false;
    }
    if (!supplier) {
        if (!ask(QStringLiteral("Fornecedor não cadastrado:\n%1\n%2 %3\n\nCadastrar com os dados da NF-e?")
                     .arg(nfe->issuer.name, nfe->issuer.cnpj.isEmpty() ? QStringLiteral("CPF") : QStringLiteral("CNPJ"),
                          id),
                 kCaption, parent))
            return false;
        supplier = rules::registerNfeSupplier(m_connection, nfe->issuer);
    }
    if (nfe->itemsInM3 < nfe->items)
        inform(QStringLiteral("%1 de %2 item(ns) da NF-e não estão em m³ e ficam fora do volume declarado.")
                   .arg(nfe->items - nfe->itemsInM3)
                   .arg(nfe->items),
               kCaption, parent);
    append();
    const QVariantMap values = rules::nfeHeaderValues(*nfe, *supplier);
    for (auto it = values.begin(); it != values.end(); ++it)
        header->setValue(it.key(), it.value());
    m_pending = Pending{nfe->accessKey, nfe->declaredM3};
    return true;
}

void NfeIntake::headerPosted(const rules::InvoiceKey &key)
{
    if (!m_pending)
        return;
    rules::storeDeclaredVolume(m_connection, key.supplier, key.number, m_pending->accessKey, m_pending->declared);
}

} // namespace logs
