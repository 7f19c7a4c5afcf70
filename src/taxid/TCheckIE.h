#pragma once

#include "taxid/TCheckBase.h"

// State registration check; the state code decides the rule.
class TCheckIE : public TCheckBase
{
    Q_OBJECT
    Q_PROPERTY(QString IE READ IE WRITE setIE)
    Q_PROPERTY(QString UF READ UF WRITE setUF)

public:
    explicit TCheckIE(QObject *parent = nullptr);

    QString IE() const { return value(); }
    void setIE(const QString &ie) { setValue(ie); }

    QString UF() const { return m_uf; }
    // Kept upper-cased.
    void setUF(const QString &uf);

protected:
    bool check(const QString &text) const override;

private:
    QString m_uf;
};
