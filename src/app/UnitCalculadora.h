#pragma once

#include "ui_UnitCalculadora.h"

#include <QDialog>

// The pop-up calculator of the utilities menu; its result goes nowhere.
// Its keys (UnitCalculadora.ui) press what they show.
class TfrmCalculadora : public QDialog, public Ui::TfrmCalculadora
{
    Q_OBJECT
public:
    explicit TfrmCalculadora(QWidget *parent = nullptr);

    void press(const QString &key);

private:
    void evaluate();
    double m_accumulator = 0;
    QChar m_pending;
    bool m_fresh = true;
};
