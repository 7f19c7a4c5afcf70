#include "EntradaListWindow.h"

#include "widgets/DateEdit.h"
#include "widgets/Prompter.h"

#include <QComboBox>
#include <QDate>
#include <QFocusEvent>

using namespace widgets;

namespace logs {

namespace {

const QString kInfo = QStringLiteral("Informação");

} // namespace

EntradaListWindow::EntradaListWindow(data::TDM *dm_, const Setup &setup, QWidget *parent)
    : ReportParameterWindow(dm_, parent), m_setup(setup)
{
}

void EntradaListWindow::takePeriod(DateEdit *from, DateEdit *to, QComboBox *order)
{
    DataInicial1 = from;
    DataFinal1 = to;
    ComboBox1 = order;
    if (m_setup.todayOnFocus) {
        DataInicial1->installEventFilter(this);
        DataFinal1->installEventFilter(this);
    }
}

void EntradaListWindow::FormShow()
{
    DataInicial1->setFocus();
}

void EntradaListWindow::produce(ReportOutput output)
{
    // An impossible date is no date: the period must be typed again.
    if (!DataInicial1->isValidDate()) {
        inform(QStringLiteral("Período Inicial deve ser informado!"), kInfo, this);
        DataInicial1->setFocus();
        return;
    }
    if (!DataFinal1->isValidDate()) {
        inform(QStringLiteral("Período Final deve ser informado!"), kInfo, this);
        DataFinal1->setFocus();
        return;
    }
    if (!checkFields())
        return;
    QVariantMap params = {
        {QStringLiteral("inicio"), DataInicial1->date()},
        {QStringLiteral("fim"), DataFinal1->date()},
        {QStringLiteral("ordem"), m_setup.orders.value(ComboBox1->currentIndex())},
    };
    addParameters(params);
    if (!run(m_setup.report, params, output))
        DataInicial1->setFocus();
}

bool EntradaListWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Entered from another field; not when the window or the calendar
    // gives the focus back.
    if (event->type() == QEvent::FocusIn && (watched == DataInicial1 || watched == DataFinal1)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            static_cast<DateEdit *>(watched)->setDate(QDate::currentDate());
    }
    return ReportParameterWindow::eventFilter(watched, event);
}

void EntradaListWindow::clearFields()
{
    DataInicial1->clearDate();
    DataFinal1->clearDate();
}

} // namespace logs
