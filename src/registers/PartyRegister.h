#pragma once

#include "widgets/RegisterWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TCheckCNPJ;
class TCheckCPF;

namespace widgets {
class DBGrid;
class DBLookupComboBox;
}

// The suppliers and clients registers: an address with the municipality
// picked from its list, CEP and telephones as masked digits, CNPJ and CPF
// checked when left, and a search tab with a count and an order list.
class PartyRegister : public widgets::RegisterWindow
{
    Q_OBJECT
public:
    MaskedField CEP{}, FONE{}, FAX{}, CNPJ{}, CPF{};

    // The search tab's controls.
    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    widgets::DBGrid *DBGrid1 = nullptr;
    QLabel *Panel1 = nullptr; // count panel
    QGroupBox *GroupBox2 = nullptr;
    QComboBox *ComboBox1 = nullptr;

    TCheckCNPJ *CheckCNPJ = nullptr;
    TCheckCPF *CheckCPF = nullptr;

protected:
    PartyRegister(data::TDM *dm, const widgets::RegisterDescription &description, QWidget *parent);

    // The window's form: its tabs, the municipality list `CIDADE` (dropping
    // down when entered), the masked CEP, telephone, fax, CNPJ and CPF, the
    // last two checked when left.
    void useForm(QWidget *form);
    // The municipality list in name order, read again.
    void openMunicipalities();
    // After a confirmed save: store, read again, "Continua Cadastramento?";
    // FOCUS runs before a new row is appended or the buttons come back.
    void saveThenContinue(const std::function<void()> &focus);
    // The search tab's steps: first order, count, title, search edit, buttons.
    void showSearchPage();
    // "&Pesquisar": unless the table is empty (then the name field), to the search tab.
    void BtnPesquisarClick() override;
    // "&Retornar": the table and the municipality list closed, the window too.
    void closeRegister();
};
