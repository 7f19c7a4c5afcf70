#pragma once

#include "taxid/TCheckBase.h"
#include "taxid/TaxId.h"

class TCheckCNPJ : public TCheckBase
{
    Q_OBJECT
    Q_PROPERTY(QString CNPJ READ CNPJ WRITE setCNPJ)

public:
    explicit TCheckCNPJ(QObject *parent = nullptr) : TCheckBase(taxid::isValidCnpj, parent) {}

    QString CNPJ() const { return value(); }
    void setCNPJ(const QString &cnpj) { setValue(cnpj); }
};
