#pragma once

#include "rules/LogPackingList.h"
#include "widgets/MovementHeaderWindow.h"
#include "widgets/PickerWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace data { class TDM; }
namespace widgets { class DBGrid; class DateEdit; }

// Sawn-wood packing list: the pieces of a load sent to a client, one row of
// ROMANEIO_SERRADA per line; a list is the rows of one number and one client.
class TfrmRomaneioserrada : public widgets::MovementHeaderWindow
{
    Q_OBJECT
public:
    explicit TfrmRomaneioserrada(data::TDM *dm, QWidget *parent = nullptr);

    QLineEdit *fornecedor, *MaskEdit1, *inscricao, *Edit1;
    QSpinBox *nota;
    widgets::DateEdit *data;
    QGroupBox *g;
    widgets::DBGrid *DBGrid2;
    QPushButton *BitBtn12, *BitBtn7, *BitBtn9, *BitBtn10, *BitBtn11;
    QLabel *m3, *valtotal;
    QPushButton *BitBtn5, *BitBtn6, *BitBtn2, *BitBtn4, *BitBtn3;

    // The client picker each new list starts with.
    void setClientPicker(widgets::Picker picker) { m_clientPicker = std::move(picker); }

    // The list loaded by the last openList(): rows saved in the line window
    // join it, whatever the fields show meanwhile.
    rules::PackingListKey listKey() const { return m_listKey; }

    void FormShow() override;
    void BitBtn5Click();  // "&Incluir/Alterar"
    void dataEnter();
    void notaExit();      // loads the list
    void BitBtn12Click(); // line "Incluir"
    void BitBtn7Click();  // line "Alterar"
    void BitBtn2Click();  // "&Cancelar"
    void BitBtn3Click();  // "&Retornar"
    void BitBtn6Click();  // "E&xcluir": the whole list
    void BitBtn4Click();  // "Relatório"

protected:
    void returnClicked() override { BitBtn3Click(); }
    widgets::LineTotals lineTotals() override;
    void lineWindowClosed() override;
    void linesChanged() override;

private:
    void openList();
    void setRowCountCaption();
    void clearClient();
    void setLineButtons(bool enabled);
    // Back to no list: the client, number and date cleared and disabled.
    void dropList();
    void showLineWindow();
    void chooseClient();

    data::TDM *dm;
    rules::SawnPackingList m_lists;
    rules::PackingListKey m_listKey;
    widgets::Picker m_clientPicker;
};
