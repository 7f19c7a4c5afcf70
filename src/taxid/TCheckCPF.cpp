#include "taxid/TCheckCPF.h"

#include "taxid/TaxId.h"

TCheckCPF::TCheckCPF(QObject *parent)
    : TCheckBase(parent)
{
}

void TCheckCPF::setCPF(const QString &cpf)
{
    if (cpf == m_cpf)
        return;
    m_cpf = cpf;
    recompute();
}

bool TCheckCPF::check(const QString &text) const
{
    return taxid::isValidCpf(text);
}
