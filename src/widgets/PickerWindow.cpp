#include "PickerWindow.h"

#include "UpperCaseValidator.h"

#include "data/Table.h"
#include "widgets/DBEdit.h"
#include "widgets/KeyNavigation.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QKeyEvent>
#include <QSpinBox>

namespace widgets {

QString PickedRow::text(const QString &column) const
{
    const QVariant v = m_values.value(column);
    return v.isNull() ? QString() : v.toString();
}

PickedRow currentRow(const data::DataSet *list)
{
    if (!list || !list->isActive() || list->recNo() < 0)
        return {};
    QVariantMap values;
    for (const data::Field &f : list->fields())
        values.insert(f.name, list->value(f.name));
    return PickedRow(values);
}

void writeInto(QWidget *w, const QVariant &value)
{
    if (!w)
        return;
    if (auto *e = qobject_cast<DBEdit *>(w); e && e->link()->isActive()) {
        e->link()->setValue(value.toString().isEmpty() ? QVariant() : value);
        e->refresh();
    } else if (auto *n = qobject_cast<NumericEdit *>(w)) {
        n->setValue(value.toDouble());
        if (n->link()->isActive())
            n->link()->setValue(value.toDouble());
    } else if (auto *s = qobject_cast<QSpinBox *>(w)) {
        s->setValue(value.toInt());
    } else if (auto *l = qobject_cast<QLineEdit *>(w)) {
        l->setText(value.toString());
    }
}

PickerWindow::PickerWindow(const Setup &setup, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_setup(setup)
{
    Q_ASSERT(m_setup.list && !m_setup.orders.isEmpty());
    KeyNavigator::instance().switchOffWhileShown(this);

    setupUi(this);
    setObjectName(setup.objectName);
    m_closesListOnReturn = setup.closesListOnReturn;
    GroupBox1->setTitle(setup.searchTitle);
    DBGrid1->setDataSource(setup.source);
    DBGrid1->setColumns(setup.columns);
    DBGrid1->setMinimumSize(setup.gridWidth, 300);
    for (const Order &o : setup.orders)
        ComboBox1->addItem(o.text);
    ComboBox1->setCurrentIndex(setup.firstOrder);

    UpperCaseValidator::install(Edit1);
    connect(Edit1, &QLineEdit::textEdited, this, &PickerWindow::Edit1Change);
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { guarded(this, [this] { searchEntered(); }); });
    connect(DBGrid1, &DBGrid::rowActivated, BitBtn1, &QPushButton::click);
    connect(ComboBox1, QOverload<int>::of(&QComboBox::activated), this, &PickerWindow::ComboBox1Change);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { guarded(this, [this] { BitBtn2Click(); }); });
    DBGrid1->installEventFilter(this);
}

PickerWindow::Setup PickerWindow::Setup::fromJson(const QJsonObject &json, QObject *dataModule)
{
    const auto text = [&](const char *key) { return json.value(QLatin1String(key)).toString(); };
    Setup s;
    s.searchTitle = text("searchTitle");
    if (json.contains(QLatin1String("list"))) {
        s.list = dataModule->findChild<data::DataSet *>(text("list"));
        s.source = dataModule->findChild<data::DataSource *>(text("source"));
        Q_ASSERT_X(s.list && s.source, "PickerWindow::Setup::fromJson", qPrintable(text("list")));
    }
    s.table = text("table");
    s.nameColumn = text("nameColumn");
    s.columns = DBGrid::columnsOf(json.value(QLatin1String("columns")).toVariant().toStringList());
    s.gridWidth = json.value(QLatin1String("gridWidth")).toInt();
    for (const QJsonValue &o : json.value(QLatin1String("orders")).toArray())
        s.orders.append({o.toArray().at(0).toString(), o.toArray().at(1).toString()});
    s.firstOrder = json.value(QLatin1String("firstOrder")).toInt();
    s.closesListOnReturn = json.value(QLatin1String("closesListOnReturn")).toBool(true);
    return s;
}

std::optional<PickedRow> PickerWindow::choose()
{
    m_chosen.reset();
    exec();
    std::optional<PickedRow> chosen;
    chosen.swap(m_chosen);
    return chosen;
}

void PickerWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded(this, [this] { FormShow(); });
}

void PickerWindow::FormShow()
{
    openList();
    Edit1->setFocus();
    Edit1->clear();
}

void PickerWindow::openList()
{
    data::DataSet *list = m_setup.list;
    list->open();
    Panel2->setText(QString::number(list->recordCount()));
    ComboBox1->setCurrentIndex(m_setup.firstOrder);
    reopen(m_setup.orders.at(m_setup.firstOrder).column);
}

void PickerWindow::reopen(const QString &orderColumn)
{
    auto *q = qobject_cast<data::Query *>(m_setup.list);
    Q_ASSERT(q);
    q->close();
    q->setSql(QStringLiteral("Select * from %1 Order by %2").arg(m_setup.table, orderColumn));
    q->open();
}

void PickerWindow::Edit1Change(const QString &text)
{
    if (text.isEmpty() || !m_setup.list->isActive())
        return;
    guarded(this, [&] { locateText(text); });
}

void PickerWindow::locateText(const QString &text)
{
    m_setup.list->locate(m_setup.nameColumn, text);
}

void PickerWindow::ComboBox1Change(int index)
{
    guarded(this, [&] { orderChosen(index); });
}

void PickerWindow::orderChosen(int index)
{
    const int order = index >= 0 && index < m_setup.orders.size() ? index : m_setup.firstOrder;
    reopen(m_setup.orders.at(order).column);
}

void PickerWindow::searchEntered()
{
    BitBtn1->click();
}

void PickerWindow::BitBtn1Click()
{
    m_chosen = currentRow(m_setup.list);
    accept();
}

void PickerWindow::BitBtn2Click()
{
    m_chosen.reset();
    if (m_closesListOnReturn)
        m_setup.list->close();
    QDialog::reject();
}

void PickerWindow::reject()
{
    BitBtn2->click();
}

bool PickerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            BitBtn1->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace widgets
