#pragma once

#include <QPointer>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QTimer;
class QToolButton;

namespace data {
class DataSet;
class DataSource;
}

namespace widgets {

// The four movement buttons of a navigator and their enabled states.
struct MoveButtonStates
{
    bool first = false, prior = false, next = false, last = false;
    bool operator==(const MoveButtonStates &o) const
    { return first == o.first && prior == o.prior && next == o.next && last == o.last; }
};
// At the beginning of the table the first and prior buttons are off, at its
// end the next and last ones; a closed or empty table is at both at once.
MoveButtonStates moveStatesFor(data::DataSet *dataSet);

// The record navigator of the register and movement windows: first, prior,
// next and last over a data source, with the window's own hints. Button
// states follow the dataset as soon as it moves.
//   auto *nav = new widgets::RecordNavigator(this);
//   nav->setDataSource(dm->DEssencia);
//   nav->setHints({"Primeira Essência", "Essência Anterior", "Proxima Essência", "Ultima Essência"});
class RecordNavigator : public QWidget
{
    Q_OBJECT
public:
    explicit RecordNavigator(QWidget *parent = nullptr);

    void setDataSource(data::DataSource *source);
    void setDataSet(data::DataSet *dataSet);
    data::DataSet *dataSet() const { return m_dataSet; }
    // First, prior, next, last.
    void setHints(const QStringList &hints);

    QToolButton *button(int index) const { return m_buttons.value(index); }
    MoveButtonStates states() const;

public slots:
    void updateButtons();

private:
    void move(int index);

    QPointer<data::DataSet> m_dataSet;
    QVector<QToolButton *> m_buttons;
};

// The data navigator: fourteen button positions over a data source, of which
// a window shows the ones it wants. The movement buttons' states are looked
// at once a second, so between two ticks a button may show its old state.
class DBNavigator : public QWidget
{
    Q_OBJECT
public:
    enum Button {
        nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost,
        nbCancel, nbRefresh, nbSearch, nbFilter, nbSetMark, nbGotoMark, ButtonCount
    };

    explicit DBNavigator(QWidget *parent = nullptr);

    void setDataSource(data::DataSource *source);
    void setDataSet(data::DataSet *dataSet);
    data::DataSet *dataSet() const { return m_dataSet; }

    void setVisibleButtons(const QVector<Button> &buttons);
    void setHints(const QStringList &hints); // in button order, from nbFirst
    void setConfirmCancel(bool on) { m_confirmCancel = on; }
    void setConfirmDelete(bool on) { m_confirmDelete = on; }
    void setAutoRefresh(bool on) { m_autoRefresh = on; }
    void setAutoStates(bool on);

    QToolButton *button(Button b) const { return m_buttons.value(b); }
    MoveButtonStates states() const;

public slots:
    // What the timer runs.
    void updateButtons();

signals:
    // Search and filter have no meaning of their own: the window decides.
    void searchClicked();
    void filterClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void clicked(Button b);

    QPointer<data::DataSet> m_dataSet;
    QVector<QToolButton *> m_buttons;
    QTimer *m_timer;
    bool m_confirmCancel = true;
    bool m_confirmDelete = true;
    bool m_autoRefresh = true;
    int m_mark = -1;
};

} // namespace widgets
