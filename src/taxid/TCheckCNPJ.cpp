#include "taxid/TCheckCNPJ.h"

#include "taxid/TaxId.h"

TCheckCNPJ::TCheckCNPJ(QObject *parent)
    : TCheckBase(parent)
{
}

void TCheckCNPJ::setCNPJ(const QString &cnpj)
{
    if (cnpj == m_cnpj)
        return;
    m_cnpj = cnpj;
    recompute();
}

bool TCheckCNPJ::check(const QString &text) const
{
    return taxid::isValidCnpj(text);
}
