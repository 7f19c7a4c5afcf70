#pragma once

#include "widgets/RegisterWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
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
    QTabWidget *PageControl1;
    widgets::DBLookupComboBox *CIDADE = nullptr;
    MaskedField CEP{}, FONE{}, FAX{}, CNPJ{}, CPF{};

    QGroupBox *GroupBox1;
    QLineEdit *Edit1;
    widgets::DBGrid *DBGrid1;
    QLabel *Panel1; // count panel
    QGroupBox *GroupBox2;
    QComboBox *ComboBox1;

    TCheckCNPJ *CheckCNPJ = nullptr;
    TCheckCPF *CheckCPF = nullptr;

protected:
    PartyRegister(data::TDM *dm, const widgets::RegisterDescription &description, QWidget *parent);

    // "Cidade": the municipality names, dropping down when entered.
    widgets::DBLookupComboBox *cityList(QWidget *page);
    // CEP, telephone and fax of the address, as the window lays them out.
    void addressDigits(QWidget *page);
    // The CNPJ and CPF checks on their fields (made by the window before).
    void taxChecks();
    // The municipality list in name order, read again.
    void openMunicipalities();
    // After a confirmed save: store, read again, "Continua Cadastramento?";
    // FOCUS runs before a new row is appended or the buttons come back.
    void saveThenContinue(const std::function<void()> &focus);
    // The search tab's steps: first order, count, title, search edit, buttons.
    void showSearchPage();
    // "&Pesquisar": unless the table is empty (then FOCUS), to the search tab.
    void openSearch(QWidget *focus);
    // "&Retornar": the table and the municipality list closed, the window too.
    void closeRegister();
};
