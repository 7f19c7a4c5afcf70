#pragma once

#include "ReportRun.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace data {
class TDM;
}

namespace logs {

// The parameter window of the detailed invoice reports (logs and sawn
// wood): a supplier chosen with the supplier picker and an invoice number.
// The two windows differ only in their class name and report.
class EntradaDetailWindow : public QDialog
{
    Q_OBJECT
public:
    QLineEdit *FORNECEDOR; // supplier name, filled by the picker
    QLineEdit *Edit1;      // supplier code, filled by the picker
    QPushButton *BitBtn4;  // "&P"
    QSpinBox *nota1;       // "Nota Fiscal"
    QPushButton *BitBtn1;  // "Imprimir"
    QPushButton *BitBtn2;  // "&Vizualizar"
    QPushButton *BitBtn3;  // "&Retornar"

    void FormShow();
    void BitBtn4Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

protected:
    EntradaDetailWindow(data::TDM *dm, const QString &objectName, const QString &report, QWidget *parent);

    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    void reject() override; // Esc is "&Retornar"

private:
    void produce(ReportOutput output);

    data::TDM *dm;
    QString m_report;
};

} // namespace logs
