#include "DBNavigator.h"

#include "Prompter.h"
#include "data/DataSet.h"
#include "data/Table.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace widgets {

namespace {

QToolButton *makeButton(QWidget *parent, QStyle::StandardPixmap icon, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setAutoRaise(true);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setIconSize(QSize(16, 16));
    b->setMinimumSize(30, 26);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    return b;
}

const QStyle::StandardPixmap kMoveIcons[] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                             QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward};

void moveDataSet(data::DataSet *ds, int index)
{
    switch (index) {
    case 0: ds->first(); break;
    case 1: ds->prior(); break;
    case 2: ds->next(); break;
    case 3: ds->last(); break;
    default: break;
    }
}

void applyStates(const QVector<QToolButton *> &buttons, const MoveButtonStates &s)
{
    buttons[0]->setEnabled(s.first);
    buttons[1]->setEnabled(s.prior);
    buttons[2]->setEnabled(s.next);
    buttons[3]->setEnabled(s.last);
}

MoveButtonStates readStates(const QVector<QToolButton *> &buttons)
{
    return {buttons[0]->isEnabled(), buttons[1]->isEnabled(), buttons[2]->isEnabled(), buttons[3]->isEnabled()};
}

} // namespace

MoveButtonStates moveStatesFor(data::DataSet *ds)
{
    MoveButtonStates s;
    if (!ds || !ds->isActive())
        return s;
    const bool empty = ds->recNo() < 0;
    const bool atStart = empty || ds->bof();
    const bool atEnd = empty || ds->eof();
    s.first = s.prior = !atStart;
    s.next = s.last = !atEnd;
    return s;
}

// --- RecordNavigator -------------------------------------------------------

RecordNavigator::RecordNavigator(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const QStringList hints = {tr("Primeiro"), tr("Anterior"), tr("Próximo"), tr("Último")};
    for (int i = 0; i < 4; ++i) {
        QToolButton *b = makeButton(this, kMoveIcons[i], hints[i]);
        connect(b, &QToolButton::clicked, this, [this, i] { move(i); });
        layout->addWidget(b);
        m_buttons << b;
    }
    updateButtons();
}

void RecordNavigator::setDataSource(data::DataSource *source)
{
    setDataSet(source ? source->dataSet() : nullptr);
}

void RecordNavigator::setDataSet(data::DataSet *dataSet)
{
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = dataSet;
    if (dataSet) {
        connect(dataSet, &data::DataSet::rowChanged, this, &RecordNavigator::updateButtons);
        connect(dataSet, &data::DataSet::dataReset, this, &RecordNavigator::updateButtons);
        connect(dataSet, &data::DataSet::activeChanged, this, &RecordNavigator::updateButtons);
        connect(dataSet, &data::DataSet::stateChanged, this, &RecordNavigator::updateButtons);
        connect(dataSet, &data::DataSet::afterDelete, this, &RecordNavigator::updateButtons);
    }
    updateButtons();
}

void RecordNavigator::setHints(const QStringList &hints)
{
    for (int i = 0; i < m_buttons.size() && i < hints.size(); ++i) {
        m_buttons[i]->setToolTip(hints[i]);
        m_buttons[i]->setAccessibleName(hints[i]);
    }
}

MoveButtonStates RecordNavigator::states() const
{
    return readStates(m_buttons);
}

void RecordNavigator::updateButtons()
{
    applyStates(m_buttons, moveStatesFor(m_dataSet));
}

void RecordNavigator::move(int index)
{
    if (!m_dataSet)
        return;
    guarded(window(), [&] { moveDataSet(m_dataSet, index); });
    // prior() on the first row only sets bof, without a rowChanged.
    updateButtons();
}

// --- DBNavigator -----------------------------------------------------------

DBNavigator::DBNavigator(QWidget *parent) : QWidget(parent), m_timer(new QTimer(this))
{
    setFocusPolicy(Qt::TabFocus);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    struct ButtonLook { QStyle::StandardPixmap icon; const char *hint; };
    const ButtonLook looks[ButtonCount] = {
        {kMoveIcons[0], "Primeiro Registro"},
        {kMoveIcons[1], "Registro Anterior"},
        {kMoveIcons[2], "Próximo Registro"},
        {kMoveIcons[3], "Último Registro"},
        {QStyle::SP_FileDialogNewFolder, "Incluir Registro"},
        {QStyle::SP_TrashIcon, "Excluir Registro"},
        {QStyle::SP_FileDialogDetailedView, "Alterar Registro"},
        {QStyle::SP_DialogApplyButton, "Gravar Registro"},
        {QStyle::SP_DialogCancelButton, "Cancelar Alteração"},
        {QStyle::SP_BrowserReload, "Atualizar Dados"},
        {QStyle::SP_FileDialogContentsView, "Pesquisar"},
        {QStyle::SP_FileDialogListView, "Filtrar"},
        {QStyle::SP_DialogYesButton, "Marcar Registro"},
        {QStyle::SP_ArrowRight, "Ir para a Marca"},
    };
    for (int i = 0; i < ButtonCount; ++i) {
        QToolButton *b = makeButton(this, looks[i].icon, QString::fromUtf8(looks[i].hint));
        b->installEventFilter(this);
        connect(b, &QToolButton::clicked, this, [this, i] { clicked(Button(i)); });
        layout->addWidget(b);
        m_buttons << b;
    }
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &DBNavigator::updateButtons);
    m_timer->start();
    updateButtons();
}

void DBNavigator::setDataSource(data::DataSource *source)
{
    setDataSet(source ? source->dataSet() : nullptr);
}

void DBNavigator::setDataSet(data::DataSet *dataSet)
{
    m_dataSet = dataSet;
    m_mark = -1;
}

void DBNavigator::setVisibleButtons(const QVector<Button> &buttons)
{
    for (int i = 0; i < ButtonCount; ++i)
        m_buttons[i]->setVisible(buttons.contains(Button(i)));
}

void DBNavigator::setHints(const QStringList &hints)
{
    for (int i = 0; i < ButtonCount && i < hints.size(); ++i) {
        m_buttons[i]->setToolTip(hints[i]);
        m_buttons[i]->setAccessibleName(hints[i]);
    }
}

void DBNavigator::setAutoStates(bool on)
{
    if (on)
        m_timer->start();
    else
        m_timer->stop();
}

MoveButtonStates DBNavigator::states() const
{
    return readStates(m_buttons);
}

void DBNavigator::updateButtons()
{
    applyStates(m_buttons, moveStatesFor(m_dataSet));
    const bool active = m_dataSet && m_dataSet->isActive();
    const bool editing = active && m_dataSet->isEditing();
    const bool canModify = active && m_dataSet->canModify();
    m_buttons[nbInsert]->setEnabled(canModify);
    m_buttons[nbDelete]->setEnabled(canModify && m_dataSet->recNo() >= 0);
    m_buttons[nbEdit]->setEnabled(canModify && !editing && m_dataSet->recNo() >= 0);
    m_buttons[nbPost]->setEnabled(editing);
    m_buttons[nbCancel]->setEnabled(editing);
    m_buttons[nbRefresh]->setEnabled(active);
    m_buttons[nbSearch]->setEnabled(active);
    m_buttons[nbFilter]->setEnabled(active);
    m_buttons[nbSetMark]->setEnabled(active && m_dataSet->recNo() >= 0);
    m_buttons[nbGotoMark]->setEnabled(active && m_mark >= 0);
}

bool DBNavigator::eventFilter(QObject *watched, QEvent *event)
{
    // Pressing a button takes the keyboard focus to the navigator.
    if (event->type() == QEvent::MouseButtonPress && (focusPolicy() & Qt::TabFocus)
        && qobject_cast<QToolButton *>(watched) && isEnabled())
        setFocus(Qt::MouseFocusReason);
    return QWidget::eventFilter(watched, event);
}

void DBNavigator::clicked(Button b)
{
    if (!m_dataSet)
        return;
    data::DataSet *ds = m_dataSet;
    guarded(window(), [&] {
        switch (b) {
        case nbFirst: case nbPrior: case nbNext: case nbLast:
            moveDataSet(ds, b);
            break;
        case nbInsert:
            ds->append();
            break;
        case nbDelete:
            if (!m_confirmDelete || ask(tr("Excluir registro?"), tr("Confirmação"), window())) {
                ds->remove();
                if (m_autoRefresh)
                    ds->refresh();
            }
            break;
        case nbEdit:
            ds->edit();
            break;
        case nbPost:
            ds->post();
            if (m_autoRefresh)
                ds->refresh();
            break;
        case nbCancel:
            if (!m_confirmCancel || ask(tr("Cancelar alterações?"), tr("Confirmação"), window()))
                ds->cancel();
            break;
        case nbRefresh:
            ds->refresh();
            break;
        case nbSearch:
            emit searchClicked();
            break;
        case nbFilter:
            emit filterClicked();
            break;
        case nbSetMark:
            m_mark = ds->recNo();
            break;
        case nbGotoMark:
            if (m_mark >= 0)
                ds->moveTo(m_mark);
            break;
        case ButtonCount:
            break;
        }
    });
}

} // namespace widgets
