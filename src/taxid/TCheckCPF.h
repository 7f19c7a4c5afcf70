#pragma once

#include "taxid/TCheckBase.h"
#include "taxid/TaxId.h"

class TCheckCPF : public TCheckBase
{
    Q_OBJECT
    Q_PROPERTY(QString CPF READ CPF WRITE setCPF)

public:
    explicit TCheckCPF(QObject *parent = nullptr) : TCheckBase(taxid::isValidCpf, parent) {}

    QString CPF() const { return value(); }
    void setCPF(const QString &cpf) { setValue(cpf); }
};
