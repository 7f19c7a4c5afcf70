#include "MovementWindow.h"

#include "LookupCombo.h"
#include "NumericEdit.h"
#include "Prompter.h"
#include "core/Formats.h"
#include "data/DataSet.h"
#include "data/Table.h"
#include "data/UnitDM.h"

#include <QEvent>
#include <QFocusEvent>
#include <QApplication>
#include <QGuiApplication>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVariant>

namespace widgets {

bool passChecks(const QVector<SaveCheck> &checks, QWidget *parent, const QString &caption)
{
    for (const SaveCheck &check : checks) {
        if (check.fails && check.fails()) {
            inform(check.message, caption, parent);
            if (check.focus) {
                check.focus->window()->activateWindow();
                check.focus->setFocus(Qt::OtherFocusReason);
            }
            return false;
        }
    }
    return true;
}

SaveOutcome runMovementSave(QWidget *window, const MovementSave &save)
{
    if (!passChecks(save.checks, window))
        return SaveOutcome::Refused;
    if (!ask(save.confirmText, save.confirmCaption, window)) {
        if (save.declined)
            save.declined();
        return SaveOutcome::Declined;
    }
    // A post the database refuses is reported as it says; the row stays pending.
    if (!guarded(window, [&] { save.post(); }))
        return SaveOutcome::Failed;
    if (ask(save.continueText, save.continueCaption, window)) {
        if (save.another)
            guarded(window, [&] { save.another(); });
        return SaveOutcome::Another;
    }
    if (save.finished)
        guarded(window, [&] { save.finished(); });
    return SaveOutcome::Finished;
}

void IdleState::apply() const
{
    for (QWidget *w : enabled) {
        w->setEnabled(true);
        w->show();
    }
    for (QWidget *w : disabled) {
        w->setEnabled(false);
        w->show();
    }
    for (QWidget *w : hidden)
        w->hide();
}

// A window not made yet is not busy: callers pass what exists, never make it.
bool lineWindowBusy(QDialog *window, data::DataSet *rows)
{
    if (!window || !window->isVisible() || !rows || !rows->isEditing())
        return false;
    window->raise();
    window->activateWindow();
    return true;
}

void setMovementWindowFlags(QDialog *window)
{
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

QLabel *titleBanner(const QString &text)
{
    auto *banner = new QLabel(text);
    banner->setAlignment(Qt::AlignCenter);
    banner->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold; color: white; padding: 10px; "
                                         "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #5a3a1a, stop:1 #a07040);"));
    return banner;
}

MovementLineWindow::MovementLineWindow(data::TDM *dm_, QWidget *parent) : QDialog(parent), dm(dm_)
{
    setMovementWindowFlags(this);
    setModal(false);
    connect(this, &QDialog::finished, this, &MovementLineWindow::windowFinished);
}

void MovementLineWindow::showFor(QWidget *header, QWidget *focus, std::function<void()> onClosed)
{
    // Children of a modal window are not blocked by it.
    if (header && parentWidget() != header) {
        const Qt::WindowFlags flags = windowFlags();
        setParent(header, flags);
    }
    disconnect(m_onClosed);
    if (onClosed)
        m_onClosed = connect(this, &MovementLineWindow::closed, this, [this, onClosed] {
            disconnect(m_onClosed);
            onClosed();
        });
    setModal(false);
    adjustSize();
    if (header) {
        const QRect area = header->screen() ? header->screen()->availableGeometry()
                                            : QGuiApplication::primaryScreen()->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

void MovementLineWindow::setUpLines(data::DataSet *rows, QWidget *firstField, QPushButton *save, QPushButton *back)
{
    m_rows = rows;
    m_firstField = firstField;
    connect(save, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(back, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn3Click(); }); });
}

void MovementLineWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded(this, [this] {
            for (const auto &list : std::as_const(m_lists))
                reopen(list.first, list.second);
            FormShow();
        });
}

void MovementLineWindow::BitBtn3Click()
{
    close();
}

void MovementLineWindow::FormClose()
{
    if (m_rows)
        m_rows->cancel();
}

void MovementLineWindow::writesCode(DBLookupComboBox *list, const QString &listColumn, const QString &column,
                                    std::function<void()> then)
{
    connect(list, QOverload<int>::of(&QComboBox::activated), this, [this, list, listColumn, column, then] {
        guarded(this, [&] {
            m_rows->setValue(column, list->listValue(listColumn));
            if (then)
                then();
        });
    });
}

void MovementLineWindow::listsSpecies(DBLookupComboBox *list, const QString &column, std::function<void()> then)
{
    list->setListSource(dm->QEssencia, QStringLiteral("ESSENCIA"), QStringLiteral("ESSENCIA"));
    list->setDropDownOnEnter(true);
    writesCode(list, QStringLiteral("CODIGO"), column, std::move(then));
    m_lists.append({dm->QEssencia, QStringLiteral("Select * from ESSENCIA Order by ESSENCIA")});
}

void MovementLineWindow::listsSubProducts(DBLookupComboBox *list, const QString &column, bool dropDownOnEnter,
                                          std::function<void()> then)
{
    list->setListSource(dm->QSUBPRODUTOS, QStringLiteral("NOMEGRAU"), QStringLiteral("NOMEGRAU"));
    if (dropDownOnEnter)
        list->setDropDownOnEnter(true);
    writesCode(list, QStringLiteral("GRAUIND"), column, std::move(then));
    m_lists.append({dm->QSUBPRODUTOS, QStringLiteral("Select * from SUBPRODUTO Order by NOMEGRAU")});
}

void MovementLineWindow::countsPieces(NumericEdit *edit, const QString &column)
{
    onEnter(edit, [this, edit, column] {
        if (m_rows->isEditing())
            m_rows->setValue(column, 1);
        edit->selectAll();
    });
}

void MovementLineWindow::savesOnLeaving(QWidget *field, std::function<void()> first)
{
    onExit(field, [this, first] {
        if (first)
            first();
        BitBtn1Click();
    });
}

void MovementLineWindow::reopen(data::DataSet *list, const QString &sql)
{
    list->close();
    if (auto *query = qobject_cast<data::Query *>(list))
        query->setSql(sql);
    list->open();
}

SaveCheck MovementLineWindow::chosen(DBLookupComboBox *list, const QString &message)
{
    return {[list] { return !list->hasSelection(); }, message, list};
}

SaveCheck MovementLineWindow::unitChosen(QComboBox *unit)
{
    return {[unit] { return unit->currentText().trimmed().isEmpty(); }, QStringLiteral("Unidade deve ser informada!"),
            unit};
}

SaveCheck MovementLineWindow::notZero(NumericEdit *edit, const QString &message)
{
    return {[edit] { return edit->isZero(); }, message, edit};
}

SaveOutcome MovementLineWindow::saveLine(QVector<SaveCheck> checks, std::function<void()> post,
                                         const QString &continueText, std::function<void()> newRow,
                                         std::function<void()> finished)
{
    MovementSave save;
    save.checks = std::move(checks);
    save.confirmText = QStringLiteral("Confirma Lançamento?");
    save.post = std::move(post);
    save.continueText = continueText;
    save.another = [this, newRow] {
        m_rows->append();
        if (newRow)
            newRow();
        if (m_firstField)
            m_firstField->setFocus();
    };
    save.finished = finished ? std::move(finished) : std::function<void()>([this] { close(); });
    return runMovementSave(this, save);
}

SaveOutcome MovementLineWindow::saveIntakeLine(QVector<SaveCheck> checks, std::function<void()> newRow)
{
    return saveLine(std::move(checks),
                    [this] {
                        m_rows->setValue(QStringLiteral("SITUACAO"), 0);
                        m_rows->post();
                    },
                    QStringLiteral("Insere Outro Produto para esta Nota Fiscal?"), std::move(newRow));
}

void MovementLineWindow::writeComputed(data::DataSet *rows, const QString &column, NumericEdit *edit, double value)
{
    const double written = core::editValue(core::generalNumber(value));
    if (rows->isEditing())
        rows->setValue(column, written);
    else
        edit->setValue(written);
}

void MovementLineWindow::windowFinished()
{
    guarded(this, [this] { FormClose(); });
    emit closed();
}

} // namespace widgets
