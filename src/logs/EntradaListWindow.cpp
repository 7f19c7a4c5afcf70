#include "EntradaListWindow.h"

#include "widgets/DateEdit.h"
#include "widgets/Prompter.h"

#include <QComboBox>
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
    : ReportParameterWindow(dm_, objectName, QStringLiteral("Relatório - Entrada"), parent), m_report(report)
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

    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("DATA EMISSÃO"), QStringLiteral("FORNECEDOR"), QStringLiteral("NOTA FISCAL")});
    ComboBox1->setCurrentIndex(2);
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
    static const char *const orders[] = {"DATA_EMISSAO", "RAZAO_SOCIAL", "NF_NUMERO"};
    const QVariantMap params = {
        {QStringLiteral("inicio"), DataInicial1->date()},
        {QStringLiteral("fim"), DataFinal1->date()},
        {QStringLiteral("ordem"), QString::fromLatin1(orders[qBound(0, ComboBox1->currentIndex(), 2)])},
    };
    if (!run(m_report, params, output))
        DataInicial1->setFocus();
}

void EntradaListWindow::clearFields()
{
    DataInicial1->clearDate();
    DataFinal1->clearDate();
}

} // namespace logs
