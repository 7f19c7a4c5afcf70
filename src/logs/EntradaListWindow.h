#pragma once

#include "ReportParameterWindow.h"

class QComboBox;

namespace widgets {
class DateEdit;
}

namespace logs {

// The parameter window of a report of a period: a period and an order, then
// the report in the preview or on the printer. The invoice lists (logs, sawn
// wood in and out) differ only in their form and report; a window with more
// to ask adds its fields, checks and parameters.
class EntradaListWindow : public ReportParameterWindow
{
    Q_OBJECT
public:
    widgets::DateEdit *DataInicial1 = nullptr; // "Período Inicial"
    widgets::DateEdit *DataFinal1 = nullptr;   // "Período Final"
    QComboBox *ComboBox1 = nullptr;            // "Classificação dos Registros"

    void FormShow() override;

protected:
    struct Setup
    {
        QString report;
        // The column of each entry of the form's order list, in its order.
        QStringList orders = {QStringLiteral("DATA_EMISSAO"), QStringLiteral("RAZAO_SOCIAL"),
                              QStringLiteral("NF_NUMERO")};
        bool todayOnFocus = false; // each date takes today's date when entered
    };
    EntradaListWindow(data::TDM *dm, const Setup &setup, QWidget *parent);

    // Takes the shared controls of FORM (DataInicial1, DataFinal1, ComboBox1
    // and the buttons), laid out on the window already.
    template <class Form>
    void takeForm(Form &form)
    {
        takePeriod(form.DataInicial1, form.DataFinal1, form.ComboBox1);
        takeButtons(form.BitBtn1, form.BitBtn2, form.BitBtn3);
    }

    // After the period's checks; false stops (the window said why).
    virtual bool checkFields() { return true; }
    virtual void addParameters(QVariantMap &) {}

    void produce(ReportOutput output) override;
    void clearFields() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takePeriod(widgets::DateEdit *from, widgets::DateEdit *to, QComboBox *order);

    Setup m_setup;
};

} // namespace logs
