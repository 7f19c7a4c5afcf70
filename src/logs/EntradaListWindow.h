#pragma once

#include "ReportParameterWindow.h"

class QComboBox;
class QVBoxLayout;

namespace widgets {
class DateEdit;
}

namespace logs {

// The parameter window of a report of a period: a period and an order, then
// the report in the preview or on the printer. The invoice lists (logs, sawn
// wood in and out) differ only in their class name, caption and report; a
// window with more to ask adds its fields, checks and parameters.
class EntradaListWindow : public ReportParameterWindow
{
    Q_OBJECT
public:
    widgets::DateEdit *DataInicial1; // "Período Inicial"
    widgets::DateEdit *DataFinal1;   // "Período Final"
    QComboBox *ComboBox1;            // "Classificação dos Registros"

    void FormShow() override;

protected:
    EntradaListWindow(data::TDM *dm, const QString &objectName, const QString &report, QWidget *parent);

    struct Setup
    {
        QString objectName;
        QString title;  // the caption
        QString report;
        QVector<QPair<QString, QString>> orders; // list entry, column
        int initialOrder = 0;
        bool todayOnFocus = false; // each date takes today's date when entered
    };
    EntradaListWindow(data::TDM *dm, const Setup &setup, QWidget *parent);

    // Where a window puts its own fields, before the order.
    QVBoxLayout *fieldsLayout() const { return m_fields; }
    // After the period's checks; false stops (the window said why).
    virtual bool checkFields() { return true; }
    virtual void addParameters(QVariantMap &) {}

    void produce(ReportOutput output) override;
    void clearFields() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Setup m_setup;
    QVBoxLayout *m_fields = nullptr;
};

} // namespace logs
