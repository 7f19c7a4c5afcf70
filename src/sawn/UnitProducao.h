#pragma once

#include "rules/Production.h"
#include "widgets/PickerWindow.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace data { class TDM; }
namespace widgets {
class DBEdit;
class DBGrid;
class DBNavigator;
class DateEdit;
class NumericEdit;
class ZeroPadEdit;
}

// Sawing production: one row of PRODUCAO says that one log of the yard was
// sawn whole on a date into a product. The product picker gives the product
// and its transformation index, then the yard-log picker the log; saving
// stores the row and takes the log out of the yard, deleting puts it back.
class TfrmProducao : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmProducao(data::TDM *dm, QWidget *parent = nullptr);

    // The product picker, then the yard-log picker.
    void setPickers(widgets::Picker products, widgets::Picker logs)
    {
        m_products = std::move(products);
        m_logs = std::move(logs);
    }

    // The transformation index in ten-thousandths (FATOR of the product).
    qint64 index() const { return m_index; }

    QLabel *Label1;
    QTabWidget *PageControl1;
    widgets::ZeroPadEdit *CODLANCAMENTO;
    widgets::DateEdit *DATA;
    widgets::DBEdit *PRODUTO, *CODPRODUTO, *ESSENCIA, *DBEdit5, *DBEdit2, *DBEdit1;
    widgets::NumericEdit *QTORA, *QSERRADA;
    QLineEdit *IND;
    QGroupBox *GroupBox1;
    QLineEdit *Edit1;
    widgets::DBGrid *DBGrid1;
    widgets::DBNavigator *DBNavigator1;
    QPushButton *BitBtn1; // "&Incluir"
    QPushButton *BitBtn2; // "&Cancelar"
    QPushButton *BitBtn3; // "&Excluir"
    QPushButton *BitBtn4; // "&Gravar"
    QPushButton *BitBtn5; // "&Pesquisar"
    QPushButton *BitBtn6; // "Ca&dastro"
    QPushButton *BitBtn7; // "&Retornar"

    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void PRODUTOEnter();
    void Edit1Change(const QString &text);
    void TabCadastroSelected();
    void TabPesquisaSelected();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildUi();
    void setIndex(qint64 tenThousandths);
    void showPage(int page);
    void setEntryButtons(bool enabled);
    void newRow();

    data::TDM *dm;
    rules::Production m_production;
    widgets::Picker m_products;
    widgets::Picker m_logs;
    qint64 m_index = 0;
    bool m_switchingTab = false;
    bool m_closing = false;
};
