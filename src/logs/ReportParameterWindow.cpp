#include "ReportParameterWindow.h"

#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

using namespace widgets;

namespace logs {

namespace {

QPushButton *button(const QString &text, const QString &name)
{
    auto *b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ReportParameterWindow::ReportParameterWindow(data::TDM *dm_, const QString &objectName, const QString &title,
                                             QWidget *parent)
    : QDialog(parent), dm(dm_)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

ReportParameterWindow::PickerRow ReportParameterWindow::pickerRow(const QString &title)
{
    PickerRow row;
    row.box = new QGroupBox(title);
    auto *l = new QHBoxLayout(row.box);
    row.code = new QLineEdit;
    row.code->setObjectName(QStringLiteral("Edit1"));
    row.code->setEnabled(false);
    row.code->setMaximumWidth(80);
    row.code->setStyleSheet(QStringLiteral("font-weight: bold;"));
    row.name = new QLineEdit;
    row.name->setObjectName(QStringLiteral("FORNECEDOR"));
    row.name->setEnabled(false);
    row.name->setMinimumWidth(300);
    row.button = button(QStringLiteral("&P"), QStringLiteral("BitBtn4"));
    row.button->setFixedWidth(30);
    l->addWidget(row.code);
    l->addWidget(row.button);
    l->addWidget(row.name, 1);
    connect(row.button, &QPushButton::clicked, this, [this] {
        guarded(this, [this] {
            if (const std::optional<PickedRow> row = m_picker.choose())
                picked(*row);
        });
    });
    return row;
}

QHBoxLayout *ReportParameterWindow::reportButtons(const QString &print)
{
    auto *buttons = new QHBoxLayout;
    BitBtn1 = button(print, QStringLiteral("BitBtn1"));
    BitBtn2 = button(QStringLiteral("&Vizualizar"), QStringLiteral("BitBtn2"));
    BitBtn3 = button(QStringLiteral("&Retornar"), QStringLiteral("BitBtn3"));
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn3})
        buttons->addWidget(b);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
    return buttons;
}

bool ReportParameterWindow::run(const QString &report, const QVariantMap &params, ReportOutput output)
{
    if (runReport(dm, report, params, output, this))
        return true;
    inform(kNoReport, QStringLiteral("Informação"), this);
    return false;
}

void ReportParameterWindow::BitBtn3Click()
{
    clearFields();
    QDialog::reject();
}

void ReportParameterWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void ReportParameterWindow::reject()
{
    guarded(this, [this] { BitBtn3Click(); });
}

} // namespace logs
