#include "UnitPesquisa3.h"

#include "data/UnitDM.h"
#include "widgets/DBEdit.h"
#include "widgets/DBGrid.h"
#include "widgets/KeyNavigation.h"
#include "widgets/MovementWindow.h"
#include "widgets/NumericEdit.h"
#include "widgets/Prompter.h"
#include "widgets/WindowRegistry.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString kByName = QStringLiteral("NOMECREDOR");
const QString kByCode = QStringLiteral("CODIGOCREDOR");

// Writes TEXT into the caller's control NAME: through its column when it
// is bound, into the edit otherwise.
void writeInto(QWidget *caller, const QString &name, const QString &text)
{
    QWidget *w = caller->findChild<QWidget *>(name);
    if (!w)
        return;
    if (auto *e = qobject_cast<widgets::DBEdit *>(w); e && e->link()->isActive()) {
        e->link()->setValue(text.isEmpty() ? QVariant() : QVariant(text));
        e->refresh();
    } else if (auto *n = qobject_cast<widgets::NumericEdit *>(w)) {
        n->setValue(text.toDouble());
        if (n->link()->isActive())
            n->link()->setValue(text.toDouble());
    } else if (auto *s = qobject_cast<QSpinBox *>(w)) {
        s->setValue(text.toInt());
    } else if (auto *l = qobject_cast<QLineEdit *>(w)) {
        l->setText(text);
    }
}

QWidget *child(QWidget *caller, const QString &name)
{
    return caller->findChild<QWidget *>(name);
}

} // namespace

QVector<TfrmPesquisa3::Caller> &TfrmPesquisa3::table()
{
    const QVector<QPair<QString, QString>> packingList = {
        {QStringLiteral("fornecedor"), kByName},
        {QStringLiteral("inscricao"), QStringLiteral("CNPJ")},
        {QStringLiteral("Edit1"), kByCode}};
    static QVector<Caller> callers = {
        {QStringLiteral("TfrmSaidaMadeiras"),
         {{QStringLiteral("fornecedor"), kByName},
          {QStringLiteral("inscricao"), QStringLiteral("IE")},
          {QStringLiteral("DBEdit1"), QStringLiteral("CNPJ")},
          {QStringLiteral("DBEDIT6"), kByCode}},
         {}, QStringLiteral("nota"), {}, {}},
        {QStringLiteral("TfrmRSaida1"),
         {{QStringLiteral("FORNECEDOR"), kByName}, {QStringLiteral("Edit1"), kByCode}},
         {}, QStringLiteral("nota1"), {}, {}},
        {QStringLiteral("TfrmRRomaneioSerrada"),
         {{QStringLiteral("Edit1"), kByCode}, {QStringLiteral("FORNECEDOR"), kByName},
          {QStringLiteral("Edit2"), QStringLiteral("ENDERECO")}, {QStringLiteral("Edit3"), QStringLiteral("BAIRRO")},
          {QStringLiteral("Edit5"), QStringLiteral("CIDADE")}, {QStringLiteral("Edit6"), QStringLiteral("UF")},
          {QStringLiteral("Edit7"), QStringLiteral("FONE")}, {QStringLiteral("Edit9"), QStringLiteral("CNPJ")},
          {QStringLiteral("Edit10"), QStringLiteral("CPF")}},
         {}, QStringLiteral("nota"), {}, {}},
        {QStringLiteral("TfrmRRomaneioToros"),
         {{QStringLiteral("Edit1"), kByCode}, {QStringLiteral("FORNECEDOR"), kByName},
          {QStringLiteral("edit2"), QStringLiteral("ENDERECO")}, {QStringLiteral("edit3"), QStringLiteral("BAIRRO")},
          {QStringLiteral("edit5"), QStringLiteral("CIDADE")}, {QStringLiteral("edit6"), QStringLiteral("UF")},
          {QStringLiteral("edit7"), QStringLiteral("FONE")}, {QStringLiteral("edit9"), QStringLiteral("CNPJ")},
          {QStringLiteral("edit10"), QStringLiteral("CPF")}},
         {}, QStringLiteral("nota"), {}, {}},
        {QStringLiteral("TfrmRomaneioserrada"), packingList,
         {QStringLiteral("nota"), QStringLiteral("data")}, QStringLiteral("nota"),
         {{QStringLiteral("nota"), QStringLiteral("0")}}, {QStringLiteral("BitBtn12")}},
        {QStringLiteral("TfrmRomaneiotoro"), packingList,
         {QStringLiteral("nota"), QStringLiteral("data")}, QStringLiteral("nota"),
         {{QStringLiteral("nota"), QStringLiteral("0")}}, {QStringLiteral("BitBtn12")}},
        {QStringLiteral("TfrmConsultaProduto"),
         {{QStringLiteral("Edit2"), kByCode}, {QStringLiteral("FORNECEDOR"), kByName}},
         {}, QStringLiteral("nota"), {}, {}},
    };
    return callers;
}

const QVector<TfrmPesquisa3::Caller> &TfrmPesquisa3::callers()
{
    return table();
}

void TfrmPesquisa3::registerCaller(const Caller &caller)
{
    for (Caller &c : table()) {
        if (c.windowClass == caller.windowClass) {
            c = caller;
            return;
        }
    }
    table().append(caller);
}

TfrmPesquisa3::TfrmPesquisa3(data::TDM *dm, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_dm(dm)
{
    setObjectName(QStringLiteral("TfrmPesquisa3"));
    setWindowTitle(QStringLiteral("Pesquisa"));
    widgets::KeyNavigator::instance().switchOffWhileShown(this);

    auto *outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    GroupBox1 = new QGroupBox(QStringLiteral("(Digite o nome do Cliente que deseja Localizar e tecle \"ENTER\")"), this);
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
    DBGrid1->setToolTip(QStringLiteral("Selecione o fornecedor desejado e tecle \"ENTER\" ou clique em \"SELECIONAR\"."));
    DBGrid1->setDataSource(dm->DQCredor);
    DBGrid1->setColumns({{kByCode, QStringLiteral("Código"), 70},
                         {kByName, QStringLiteral("Cliente"), 330},
                         {QStringLiteral("CNPJ"), QStringLiteral("CNPJ"), 150}});
    DBGrid1->setMinimumSize(600, 300);
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
    ComboBox1->addItems({QStringLiteral("CLIENTE"), QStringLiteral("CÓDIGO")});
    ComboBox1->setCurrentIndex(0);
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
    connect(ComboBox1, QOverload<int>::of(&QComboBox::activated), this, &TfrmPesquisa3::ComboBox1Change);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { widgets::guarded(this, [this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { widgets::guarded(this, [this] { BitBtn2Click(); }); });
    DBGrid1->installEventFilter(this);
}

QWidget *TfrmPesquisa3::currentCaller(Caller *entry) const
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

void TfrmPesquisa3::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        widgets::guarded(this, [this] { FormShow(); });
}

void TfrmPesquisa3::FormShow()
{
    data::Query *q = m_dm->QCredor;
    q->open();
    Edit1->setFocus();
    Edit1->clear();
    Panel2->setText(QString::number(q->recordCount()));
    ComboBox1->setCurrentIndex(0);
    reopen(kByName);
}

void TfrmPesquisa3::reopen(const QString &orderColumn)
{
    data::Query *q = m_dm->QCredor;
    q->close();
    q->setSql(QStringLiteral("Select * from Credor Order by ") + orderColumn);
    q->open();
}

void TfrmPesquisa3::Edit1Change(const QString &text)
{
    data::Query *q = m_dm->QCredor;
    if (text.isEmpty() || !q->isActive())
        return;
    widgets::guarded(this, [&] { q->locate(kByName, text); });
}

void TfrmPesquisa3::ComboBox1Change(int index)
{
    widgets::guarded(this, [&] { reopen(index == 1 ? kByCode : kByName); });
}

void TfrmPesquisa3::BitBtn1Click()
{
    data::Query *q = m_dm->QCredor;
    Caller entry;
    QWidget *caller = currentCaller(&entry);
    if (!caller)
        return; // no marked caller: nothing happens
    const bool hasRow = q->isActive() && q->recNo() >= 0;
    for (const auto &f : entry.fields)
        writeInto(caller, f.first, hasRow ? q->asString(f.second) : QString());
    for (const QString &name : entry.enable)
        if (QWidget *w = child(caller, name))
            w->setEnabled(true);
    accept();
    if (QWidget *focus = child(caller, entry.focus))
        focus->setFocus();
}

void TfrmPesquisa3::BitBtn2Click()
{
    // Closing without a choice leaves the caller's client fields as they were;
    // the packing lists also go back to no number.
    Caller entry;
    if (QWidget *caller = currentCaller(&entry)) {
        for (const auto &f : entry.onReturn)
            writeInto(caller, f.first, f.second);
        for (const QString &name : entry.disableOnReturn)
            if (QWidget *w = child(caller, name))
                w->setEnabled(false);
        if (!entry.onReturn.isEmpty())
            m_dm->QCredor->close();
    }
    QDialog::reject();
}

void TfrmPesquisa3::reject()
{
    BitBtn2->click();
}

bool TfrmPesquisa3::eventFilter(QObject *watched, QEvent *event)
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
