#include "UnitPesquisaEntrada.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/KeyNavigation.h"
#include "widgets/MovementWindow.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"
#include "widgets/WindowRegistry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

const QString kByName = QStringLiteral("NOMEFORNECEDOR");
const QString kByCode = QStringLiteral("CODIGOFORNECEDOR");

// Writes VALUE into the caller's control NAME: through its column when it is
// bound, as text otherwise.
void writeInto(QWidget *caller, const QString &name, const QVariant &value)
{
    QWidget *w = caller->objectName() == name ? caller : caller->findChild<QWidget *>(name);
    if (!w)
        return;
    if (auto *e = qobject_cast<widgets::DBEdit *>(w); e && e->link()->isActive()) {
        e->link()->setValue(value.toString().isEmpty() ? QVariant() : value);
        e->refresh();
    } else if (auto *n = qobject_cast<widgets::NumericEdit *>(w)) {
        n->setValue(value.toDouble());
        if (n->link()->isActive())
            n->link()->setValue(value.toDouble());
    } else if (auto *l = qobject_cast<QLineEdit *>(w)) {
        l->setText(value.toString());
    }
}

// The code column in bold red.
class CodeColumnDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setBold(true);
        option->palette.setColor(QPalette::Text, Qt::red);
        option->palette.setColor(QPalette::HighlightedText, QColor(255, 200, 200));
    }
};

} // namespace

QVector<TfrmPesquisa::Caller> &TfrmPesquisa::table()
{
    static QVector<Caller> callers = {
        {QStringLiteral("TfrmEntradaSerrada"),
         {{QStringLiteral("RAZAO_SOCIAL"), kByName},
          {QStringLiteral("CGC"), QStringLiteral("CNPJ")},
          {QStringLiteral("INSC_ESTADUAL"), QStringLiteral("INSCESTADUAL")},
          {QStringLiteral("DBEDIT6"), kByCode}},
         QStringLiteral("nota"),
         {{QStringLiteral("nota"), QStringLiteral("0")}}},
        {QStringLiteral("TfrmEntradaToros"),
         {{QStringLiteral("fornecedor"), kByName},
          {QStringLiteral("DBEdit1"), QStringLiteral("CPF")},
          {QStringLiteral("inscricao"), QStringLiteral("INSCESTADUAL")},
          {QStringLiteral("DBEDIT6"), kByCode}},
         QStringLiteral("nota"),
         {}},
        {QStringLiteral("TfrmREntrada1"),
         {{QStringLiteral("FORNECEDOR"), kByName}, {QStringLiteral("Edit1"), kByCode}},
         QStringLiteral("nota1"),
         {}},
        {QStringLiteral("TfrmFunRural"),
         {{QStringLiteral("FORNECEDOR"), kByName}, {QStringLiteral("essencia"), kByCode}},
         QStringLiteral("BitBtn1"),
         {}},
        {QStringLiteral("TfrmREntrada3"),
         {{QStringLiteral("FORNECEDOR"), kByName}, {QStringLiteral("Edit1"), kByCode}},
         QStringLiteral("nota1"),
         {}},
    };
    return callers;
}

const QVector<TfrmPesquisa::Caller> &TfrmPesquisa::callers()
{
    return table();
}

void TfrmPesquisa::registerCaller(const Caller &caller)
{
    for (Caller &c : table()) {
        if (c.windowClass == caller.windowClass) {
            c = caller;
            return;
        }
    }
    table().append(caller);
}

TfrmPesquisa::TfrmPesquisa(data::TDM *dm, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_dm(dm)
{
    setObjectName(QStringLiteral("TfrmPesquisa"));
    setWindowTitle(QStringLiteral("Pesquisa"));
    widgets::KeyNavigator::instance().switchOffWhileShown(this);

    auto *outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    GroupBox1 = new QGroupBox(
        QStringLiteral("(Digite o nome do Fornecedor que deseja Localizar e tecle \"ENTER\")"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto *g1 = new QVBoxLayout(GroupBox1);
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    g1->addWidget(Edit1);
    outer->addWidget(GroupBox1);

    Panel2 = new QLabel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->setStyleSheet(QStringLiteral("QLabel { color: navy; font-weight: bold; padding: 3px; }"));
    outer->addWidget(Panel2);

    DBGrid1 = new widgets::DBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setToolTip(
        QStringLiteral("Selecione o fornecedor desejado e tecle \"ENTER\" ou clique em \"SELECIONAR\"."));
    DBGrid1->setDataSource(dm->DQFornecedor);
    DBGrid1->setColumns({{kByCode, QStringLiteral("Código"), 70},
                         {kByName, QStringLiteral("Fornecedor"), 330},
                         {QStringLiteral("INSCESTADUAL"), QStringLiteral("Insc.Estadual"), 130}});
    DBGrid1->setMinimumSize(580, 300);
    DBGrid1->setItemDelegateForColumn(0, new CodeColumnDelegate(DBGrid1));
    outer->addWidget(DBGrid1);

    auto *bottom = new QHBoxLayout;
    BitBtn1 = new QPushButton(QStringLiteral("&Selecionar"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setAutoDefault(false);
    BitBtn2 = new QPushButton(QStringLiteral("&Retornar"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    GroupBox2 = new QGroupBox(QStringLiteral("&Ordenação"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto *g2 = new QVBoxLayout(GroupBox2);
    ComboBox1 = new QComboBox(GroupBox2);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("CÓDIGO"), QStringLiteral("FORNECEDOR")});
    ComboBox1->setCurrentIndex(1);
    g2->addWidget(ComboBox1);
    bottom->addWidget(BitBtn1);
    bottom->addWidget(BitBtn2);
    bottom->addStretch(1);
    bottom->addWidget(GroupBox2);
    outer->addLayout(bottom);

    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString &t) {
        if (t != t.toUpper()) {
            const int pos = Edit1->cursorPosition();
            Edit1->setText(t.toUpper());
            Edit1->setCursorPosition(pos);
        }
        Edit1Change(Edit1->text());
    });
    connect(Edit1, &QLineEdit::returnPressed, BitBtn1, &QPushButton::click);
    connect(DBGrid1, &widgets::DBGrid::rowActivated, BitBtn1, &QPushButton::click);
    connect(ComboBox1, QOverload<int>::of(&QComboBox::activated), this, &TfrmPesquisa::ComboBox1Change);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { widgets::guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { widgets::guarded(this, [this] { BitBtn2Click(); }); });
    DBGrid1->installEventFilter(this);
}

QWidget *TfrmPesquisa::currentCaller(Caller *entry) const
{
    for (const Caller &c : callers()) {
        QWidget *w = widgets::windows().find(c.windowClass);
        if (widgets::hasCallerMark(w)) {
            if (entry)
                *entry = c;
            return w;
        }
    }
    return nullptr;
}

void TfrmPesquisa::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        widgets::guarded(this, [this] { FormShow(); });
}

void TfrmPesquisa::FormShow()
{
    data::Query *q = m_dm->QFornecedor;
    q->open();
    Edit1->setFocus();
    Edit1->clear();
    Panel2->setText(QString::number(q->recordCount()));
    ComboBox1->setCurrentIndex(1);
    reopen(kByName);
}

void TfrmPesquisa::reopen(const QString &orderColumn)
{
    m_orderColumn = orderColumn;
    data::Query *q = m_dm->QFornecedor;
    q->close();
    q->setSql(QStringLiteral("Select * from Fornecedor Order by ") + orderColumn);
    q->open();
}

void TfrmPesquisa::Edit1Change(const QString &text)
{
    data::Query *q = m_dm->QFornecedor;
    if (text.isEmpty() || !q->isActive())
        return;
    widgets::guarded(this, [&] { q->locate(QStringLiteral("NOMEFORNECEDOR"), text); });
}

void TfrmPesquisa::ComboBox1Change(int index)
{
    widgets::guarded(this, [&] { reopen(index == 0 ? kByCode : kByName); });
}

void TfrmPesquisa::BitBtn1Click()
{
    data::Query *q = m_dm->QFornecedor;
    Caller entry;
    QWidget *caller = currentCaller(&entry);
    if (caller && q->isActive() && q->recNo() >= 0) {
        for (const auto &f : entry.fields)
            writeInto(caller, f.first, q->value(f.second));
    }
    accept();
    if (caller) {
        if (QWidget *focus = caller->findChild<QWidget *>(entry.focus))
            focus->setFocus();
    }
}

void TfrmPesquisa::BitBtn2Click()
{
    Caller entry;
    if (QWidget *caller = currentCaller(&entry)) {
        for (const auto &f : entry.onReturn)
            writeInto(caller, f.first, f.second);
    }
    m_dm->QFornecedor->close();
    QDialog::reject();
}

void TfrmPesquisa::reject()
{
    BitBtn2->click();
}

bool TfrmPesquisa::eventFilter(QObject *watched, QEvent *event)
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
