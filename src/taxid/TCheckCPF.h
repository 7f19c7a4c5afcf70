#pragma once

#include "taxid/TCheckBase.h"

class TCheckCPF : public TCheckBase
{
    Q_OBJECT
    Q_PROPERTY(QString CPF READ CPF WRITE setCPF)

public:
    explicit TCheckCPF(QObject *parent = nullptr);

    QString CPF() const { return m_cpf; }
    void setCPF(const QString &cpf);

protected:
    bool check(const QString &text) const override;
    QString heldValue() const override { return m_cpf; }

private:
    QString m_cpf;
};
