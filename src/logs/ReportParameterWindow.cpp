#include "ReportParameterWindow.h"

#include "widgets/MovementWindow.h"
#include "widgets/Prompter.h"

#include <QPushButton>
#include <QShowEvent>

using namespace widgets;

namespace logs {

ReportParameterWindow::ReportParameterWindow(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

void ReportParameterWindow::takePicker(QPushButton *button)
{
    connect(button, &QPushButton::clicked, this, [this] {
        guarded(this, [this] {
            if (const std::optional<PickedRow> row = m_picker.choose())
                picked(*row);
        });
    });
}

void ReportParameterWindow::takeButtons(QPushButton *print, QPushButton *preview, QPushButton *back)
{
    BitBtn1 = print;
    BitBtn2 = preview;
    BitBtn3 = back;
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
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
