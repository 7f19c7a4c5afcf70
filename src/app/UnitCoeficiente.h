#pragma once

#include <QDialog>

class QPushButton;

namespace data { class TDM; }
namespace widgets { class NumericEdit; }

// The company's yield coefficient of logs into sawn wood, in percent: the
// legal figure unless the company holds one approved by study.
class TfrmCoeficiente : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmCoeficiente(data::TDM *dm, QWidget *parent = nullptr);

    widgets::NumericEdit *PERCENTUAL;
    QPushButton *BitBtn1; // "&Gravar"
    QPushButton *BitBtn2; // "&Retornar"

    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    data::TDM *dm;
};
