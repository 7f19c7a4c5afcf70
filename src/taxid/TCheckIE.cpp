#include "taxid/TCheckIE.h"

#include "taxid/TaxId.h"

TCheckIE::TCheckIE(QObject *parent)
    : TCheckBase(nullptr, parent)
{
}

void TCheckIE::setUF(const QString &uf)
{
    m_uf = uf.toUpper();
    recompute();
}

bool TCheckIE::check(const QString &text) const
{
    return taxid::isValidIe(m_uf, text);
}
