#include "EntradaListWindow.h"

#include "widgets/DateEdit.h"
#include "widgets/Prompter.h"

#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace widgets;

namespace logs {

namespace {

const QString kInfo = QStringLiteral("Informação");

QGroupBox *boxWith(const QString &title, QWidget *control)
{
    auto *box = new QGroupBox(title);
    auto *l = new QHBoxLayout(box);
    l->addWidget(control);
    return box;
}

} // namespace

EntradaListWindow::EntradaListWindow(data::TDM *dm_, const QString &objectName, const QString &report,
                                     QWidget *parent)
    : EntradaListWindow(dm_,
                        Setup{objectName,
                              QStringLiteral("Relatório - Entrada"),
                              report,
                              {{QStringLiteral("DATA EMISSÃO"), QStringLiteral("DATA_EMISSAO")},
                               {QStringLiteral("FORNECEDOR"), QStringLiteral("RAZAO_SOCIAL")},
                               {QStringLiteral("NOTA FISCAL"), QStringLiteral("NF_NUMERO")}},
                              2,
                              false},
                        parent)
{
}

EntradaListWindow::EntradaListWindow(data::TDM *dm_, const Setup &setup, QWidget *parent)
    : ReportParameterWindow(dm_, setup.objectName, setup.title, parent), m_setup(setup)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Selecione o período que será emitido o Relatório;")));

    DataInicial1 = new DateEdit;
    DataInicial1->setObjectName(QStringLiteral("DataInicial1"));
    DataFinal1 = new DateEdit;
    DataFinal1->setObjectName(QStringLiteral("DataFinal1"));
    auto *period = new QHBoxLayout;
    period->addWidget(boxWith(QStringLiteral("Período Inicial"), DataInicial1));
    period->addWidget(boxWith(QStringLiteral("Período Final"), DataFinal1));
    layout->addLayout(period);
    if (m_setup.todayOnFocus) {
        DataInicial1->installEventFilter(this);
        DataFinal1->installEventFilter(this);
    }
    m_fields = new QVBoxLayout;
    layout->addLayout(m_fields);

    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const auto &order : m_setup.orders)
        ComboBox1->addItem(order.first);
    ComboBox1->setCurrentIndex(m_setup.initialOrder);
    layout->addWidget(boxWith(QStringLiteral("Classificação dos Registros"), ComboBox1));

    layout->addLayout(reportButtons(QStringLiteral("Im&primir")));
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
        {QStringLiteral("ordem"), m_setup.orders.value(ComboBox1->currentIndex()).second},
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
