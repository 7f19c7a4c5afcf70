#include "MovementHeaderWindow.h"

#include "DBGrid.h"
#include "Prompter.h"
#include "core/Amount.h"
#include "data/DataError.h"
#include "data/Table.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace widgets {

namespace {

void showText(QWidget *w, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
}

} // namespace

MovementHeaderWindow::MovementHeaderWindow(QWidget *parent) : QDialog(parent) {}

void MovementHeaderWindow::setLines(data::Table *lines, const QString &numberColumn, const QString &partyColumn)
{
    m_lines = lines;
    m_numberColumn = numberColumn;
    m_partyColumn = partyColumn;
}

MovementLineWindow *MovementHeaderWindow::lineWindow()
{
    if (!m_lineWindow && m_lineSource)
        m_lineWindow = qobject_cast<MovementLineWindow *>(m_lineSource());
    return m_lineWindow;
}

void MovementHeaderWindow::appendLine()
{
    m_lines->append();
}

void MovementHeaderWindow::setOwnedDataSets(std::initializer_list<data::DataSet *> sets)
{
    m_owned = QVector<data::DataSet *>(sets);
}

void MovementHeaderWindow::setButtons(const QVector<Button> &buttons, const IdleState &others)
{
    m_buttons = buttons;
    IdleState idle = others;
    for (const Button &b : buttons) {
        if (b.click)
            onClick(b.button, b.click);
        if (b.groups & Returns)
            m_return = b.button;
        if (b.groups & ShownEnabled)
            idle.enabled << b.button;
        if (b.groups & ShownDisabled)
            idle.disabled << b.button;
        if (b.groups & ShownHidden)
            idle.hidden << b.button;
    }
    m_idle = idle;
}

void MovementHeaderWindow::enableGroup(unsigned group, bool enabled)
{
    for (const Button &b : std::as_const(m_buttons))
        if (b.groups & group)
            b.button->setEnabled(enabled);
}

void MovementHeaderWindow::showGroup(unsigned group, bool shown)
{
    for (const Button &b : std::as_const(m_buttons))
        if (b.groups & group)
            b.button->setVisible(shown);
}

void MovementHeaderWindow::returnClicked()
{
    for (const Button &b : std::as_const(m_buttons))
        if ((b.groups & Returns) && b.click)
            b.click();
}

void MovementHeaderWindow::setTotalsDisplay(QWidget *volume, const QString &volumeFormat, QWidget *value,
                                            const QString &valueFormat)
{
    m_volume = volume;
    m_volumeFormat = volumeFormat;
    m_value = value;
    m_valueFormat = valueFormat;
}

void MovementHeaderWindow::setCountedGroup(QGroupBox *group, const QString &prefix)
{
    m_counted = group;
    m_countPrefix = prefix;
}

void MovementHeaderWindow::setLinesGrids(DBGrid *lines, DBGrid *empty)
{
    m_linesGrid = lines;
    m_emptyGrid = empty;
}

void MovementHeaderWindow::onClick(QPushButton *button, std::function<void()> handler)
{
    connect(button, &QPushButton::clicked, this, [this, handler] { guarded(this, handler); });
}

QVector<QPushButton *> MovementHeaderWindow::navigator(QHBoxLayout *bar, data::DataSet *rows, const QStringList &hints)
{
    const QStringList texts = {QStringLiteral("|<"), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral(">|")};
    const QStringList names = {QStringLiteral("NavFirst"), QStringLiteral("NavPrior"), QStringLiteral("NavNext"),
                               QStringLiteral("NavLast")};
    QVector<QPushButton *> buttons;
    for (int i = 0; i < 4; ++i) {
        auto *b = new QPushButton(texts[i]);
        b->setObjectName(names[i]);
        b->setAutoDefault(false);
        b->setToolTip(hints.value(i));
        b->setFixedWidth(34);
        bar->addWidget(b);
        buttons << b;
    }
    navigate(buttons, rows);
    return buttons;
}

void MovementHeaderWindow::navigate(const QVector<QPushButton *> &buttons, data::DataSet *rows)
{
    void (data::DataSet::*steps[])() = {&data::DataSet::first, &data::DataSet::prior, &data::DataSet::next,
                                        &data::DataSet::last};
    for (int i = 0; i < 4 && i < buttons.size(); ++i) {
        auto step = steps[i];
        onClick(buttons[i], [this, rows, step] {
            // Moving off a line being typed would post it unchecked.
            if (rows == m_lines && lineWindowBusy())
                return;
            (rows->*step)();
        });
    }
}

void MovementHeaderWindow::stepLines(void (data::DataSet::*step)())
{
    if (!lineWindowBusy())
        (m_lines->*step)();
}

void MovementHeaderWindow::deleteLine(QWidget *keepFocus)
{
    if (lineWindowBusy())
        return;
    if (!ask(QStringLiteral("Deseja Excluir esse produto?"), QStringLiteral("Confirmação"), this)) {
        if (keepFocus)
            keepFocus->setFocus();
        return;
    }
    try {
        m_lines->remove();
    } catch (const data::DataError &e) {
        // Refused because the line changed elsewhere: the totals follow
        // the line as it is shown now.
        if (e.kind() == data::DataError::Kind::ChangedElsewhere)
            linesChanged();
        throw;
    }
    linesChanged();
}

void MovementHeaderWindow::filterLines(const QVariant &number, const QVariant &party)
{
    m_lines->close();
    // A header with no party yet has no lines.
    m_lines->setFilter(QStringLiteral("%1 = :nf and %2 = :party").arg(m_numberColumn, m_partyColumn),
                       {{QStringLiteral("nf"), number}, {QStringLiteral("party"), party.isNull() ? QVariant(-1) : party}});
    m_lines->setFiltered(true);
    m_lines->open();
}

bool MovementHeaderWindow::lineWindowBusy()
{
    // A line window never asked for is not showing.
    return widgets::lineWindowBusy(m_lineWindow.data(), m_lines);
}

void MovementHeaderWindow::openLineWindow(MovementLineWindow *window, QWidget *focus)
{
    window->showFor(this, focus, [this] { guarded(this, [this] { lineWindowClosed(); }); });
}

void MovementHeaderWindow::showLinesGrid(bool hasLines)
{
    if (m_linesGrid)
        m_linesGrid->setVisible(hasLines);
    if (m_emptyGrid)
        m_emptyGrid->setVisible(!hasLines);
}

LineTotals MovementHeaderWindow::showTotals()
{
    const LineTotals totals = lineTotals();
    showTotals(totals);
    return totals;
}

void MovementHeaderWindow::showTotals(const LineTotals &totals)
{
    if (m_volume)
        showText(m_volume, core::formatAmount(totals.volume, m_volumeFormat));
    if (m_value)
        showText(m_value, core::formatAmount(totals.value, m_valueFormat));
    if (m_counted)
        m_counted->setTitle(m_countPrefix + QString::number(totals.lines));
}

void MovementHeaderWindow::resetCountedGroup()
{
    if (m_counted)
        m_counted->setTitle(m_countPrefix.left(m_countPrefix.indexOf(QLatin1Char('>'))));
}

void MovementHeaderWindow::closeOwnedDataSets()
{
    for (data::DataSet *set : std::as_const(m_owned))
        set->close();
}

void MovementHeaderWindow::closeWindow(int result)
{
    m_closing = true;
    done(result);
    m_closing = false;
}

void MovementHeaderWindow::execWindow(const WindowSource &window)
{
    if (auto *dialog = qobject_cast<QDialog *>(window ? window() : nullptr))
        dialog->exec();
}

bool MovementHeaderWindow::partiesExist(data::DataSet *parties, const QString &message, const QString &caption)
{
    parties->open();
    const bool empty = parties->isEmpty();
    parties->close();
    if (empty)
        warn(message, caption, this);
    return !empty;
}

void MovementHeaderWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    guarded(this, [this] {
        m_idle.apply();
        showLinesGrid(false);
        FormShow();
    });
}

void MovementHeaderWindow::done(int result)
{
    // Esc is "&Retornar", and does nothing while that button is disabled.
    if (result == QDialog::Rejected && !m_closing) {
        if (m_return && m_return->isEnabled())
            guarded(this, [this] { returnClicked(); });
        return;
    }
    FormClose();
    QDialog::done(result);
}

void MovementHeaderWindow::FormClose() {}

} // namespace widgets
