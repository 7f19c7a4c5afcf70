#pragma once

#include "taxid/TCheckBase.h"

class TCheckCNPJ : public TCheckBase
{
    Q_OBJECT
    Q_PROPERTY(QString CNPJ READ CNPJ WRITE setCNPJ)

public:
    explicit TCheckCNPJ(QObject *parent = nullptr);

    QString CNPJ() const { return m_cnpj; }
    void setCNPJ(const QString &cnpj);

protected:
    bool check(const QString &text) const override;
    QString heldValue() const override { return m_cnpj; }

private:
    QString m_cnpj;
};
