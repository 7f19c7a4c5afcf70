#pragma once

#include "rules/LogPackingList.h"
#include "widgets/MovementWindow.h"

#include <QDate>

#include <functional>

class QLabel;
class SawnLineTotals;

namespace data { class TDM; }
namespace widgets { class DBComboBox; class DBEdit; class DBLookupComboBox; class NumericEdit; class ZeroPadEdit; }

// One line of a sawn-wood packing list: species, sub-product, unit, pieces
// and dimensions give its area or volume and its value.
class TfrmromaneioSerradaProdutos : public widgets::MovementLineWindow
{
    Q_OBJECT
public:
    // Where a saved row goes: the list loaded in the packing-list window and
    // the date it shows when the row is saved.
    struct Target
    {
        rules::PackingListKey list;
        QDate date;
    };

    explicit TfrmromaneioSerradaProdutos(data::TDM *dm, QWidget *parent = nullptr);

    // `target` is asked at each save; `posted` runs after each row stored.
    void setHeader(std::function<Target()> target, std::function<void()> posted);

    widgets::ZeroPadEdit *CODPRODUTO;
    widgets::DBLookupComboBox *ESSENCIA, *PRODUTO;
    widgets::DBEdit *CODESSENCIA, *CODSUBPRODUTO;
    widgets::DBComboBox *UNIDADE;
    widgets::NumericEdit *QUANTIDADE, *COMPRIMENTO, *LARGURA, *EXPESSURA, *TOTALM3, *VLUNITARIO, *VLTOTAL;
    QLabel *LabelTotal;
    QPushButton *BitBtn1, *BitBtn3;

    void FormShow();
    void ESSENCIAClick();
    void PRODUTOClick();
    void QUANTIDADEEnter();
    void VLUNITARIOExit();
    void BitBtn1Click(); // "&Gravar"
    void BitBtn3Click(); // "&Retornar"

protected:
    void showEvent(QShowEvent *event) override;
    void FormClose() override;

private:
    data::TDM *dm;
    SawnLineTotals *m_totals;
    std::function<Target()> m_target;
    std::function<void()> m_posted;
};
