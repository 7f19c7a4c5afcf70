#pragma once

#include "rules/LogPackingList.h"
#include "widgets/MovementHeaderWindow.h"
#include "widgets/PickerWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace data { class TDM; class Query; }
namespace widgets { class DBEdit; class DBGrid; class DateEdit; }

// Log packing list: the logs of a load sent to a client, one row of
// ROMANEIO_TORO per log; a list is the rows of one number and one client.
class TfrmRomaneiotoro : public widgets::MovementHeaderWindow
{
    Q_OBJECT
public:
    explicit TfrmRomaneiotoro(data::TDM *dm, QWidget *parent = nullptr);

    // The client picker each new list starts with.
    void setClientPicker(widgets::Picker picker) { m_clientPicker = std::move(picker); }

    QLineEdit *fornecedor, *MaskEdit1, *inscricao, *Edit1;
    widgets::DBEdit *EditFax, *nota1, *data1;
    QSpinBox *nota;
    widgets::DateEdit *data;
    QGroupBox *g;
    widgets::DBGrid *DBGrid2;
    QPushButton *BitBtn12, *BitBtn7, *BitBtn9, *BitBtn10, *BitBtn11;
    QLabel *m3, *valtotal;
    QPushButton *BitBtn2, *BitBtn3, *BitBtn5, *BitBtn6, *BitBtn4;
    QPushButton *NavFirst, *NavPrior, *NavNext, *NavLast;

    // The list's rows: this number and this client.
    void openList();
    // The list loaded by the last openList(): rows saved in the line window
    // join it, whatever the fields show meanwhile.
    rules::PackingListKey listKey() const { return m_listKey; }
    void listTotals();
    void setRowCountCaption();

    void FormShow() override;
    void BitBtn5Click();  // "&Incluir/Alterar"
    void dataEnter();
    void notaExit();      // loads the list
    void BitBtn12Click(); // line "Incluir"
    void BitBtn7Click();  // line "Alterar"
    void BitBtn9Click();  // line "Excluir"
    void BitBtn10Click(); // line "Proximo"
    void BitBtn11Click(); // line "Anterior"
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
    void clearClient();
    void setLineButtons(bool enabled);
    void showLineWindow();
    void chooseClient();

    data::TDM *dm;
    rules::LogPackingList m_lists;
    rules::PackingListKey m_listKey;
    widgets::Picker m_clientPicker;
};
