#pragma once

#include <QDialog>

class QLineEdit;

// The pop-up calculator of the utilities menu; its result goes nowhere.
class TfrmCalculadora : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCalculadora(QWidget *parent = nullptr);

    QLineEdit *Display;
    void press(const QString &key);

private:
    void evaluate();
    double m_accumulator = 0;
    QChar m_pending;
    bool m_fresh = true;
};
