#include "RegisterWindow.h"

#include "FocusHook.h"

#include "DBEdit.h"
#include "DBNavigator.h"
#include "FormBinder.h"
#include "MaskedFieldPair.h"
#include "NumericEdit.h"
#include "UpperCaseValidator.h"
#include "data/Table.h"
#include "data/UnitDM.h"

#include <QApplication>
#include <QComboBox>
#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace widgets {

namespace {

// A group box NAME titled TITLE on PARENT holding only CONTROL, named CONTROLNAME.
QGroupBox *groupOf(QWidget *control, const QString &controlName, const QString &title, const QString &name,
                   QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(name);
    control->setObjectName(controlName);
    (new QVBoxLayout(group))->addWidget(control);
    return group;
}

} // namespace

RegisterWindow::RegisterWindow(data::TDM *dm, data::Table *table, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_dm(dm), m_table(table)
{
    auto *outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize); // fixed-size windows, sized by their contents
    outer->setContentsMargins(0, 0, 0, 6);

    // The header picture with the title written over it.
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("Label1"));
    m_title->setMinimumHeight(44);
    m_title->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    m_title->setStyleSheet(QStringLiteral(
        "QLabel { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #12355b, stop:1 #2f6b3a);"
        " color: yellow; font-weight: bold; font-size: 15pt; padding: 6px 14px; }"));
    outer->addWidget(m_title);

    m_body = new QVBoxLayout;
    m_body->setContentsMargins(10, 6, 10, 6);
    outer->addLayout(m_body);

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(10, 0, 10, 0);
    m_navigator = new RecordNavigator(this);
    m_navigator->setObjectName(QStringLiteral("DBNavigator1"));
    m_navigator->setDataSet(table);
    bar->addWidget(m_navigator);
    bar->addSpacing(8);
    static const char *const names[ButtonCount] = {"BtnIncluir", "BtnCancelar", "BtnGravar", "BtnExcluir",
                                                  "BtnPesquisar", "BtnCadastro", "BtnRetornar"};
    for (int i = 0; i < ButtonCount; ++i) {
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(names[i]));
        b->setAutoDefault(false);
        b->hide();
        bar->addWidget(b);
        m_buttons << b;
        connect(b, &QPushButton::clicked, this, [this, i] {
            guarded(this, [&] {
                switch (Button(i)) {
                case Incluir: BtnIncluirClick(); break;
                case Cancelar: BtnCancelarClick(); break;
                case Gravar: BtnGravarClick(); break;
                case Excluir: BtnExcluirClick(); break;
                case Pesquisar: BtnPesquisarClick(); break;
                case Cadastro: BtnCadastroClick(); break;
                case Retornar: BtnRetornarClick(); break;
                case ButtonCount: break;
                }
            });
        });
    }
    bar->addStretch(1);
    outer->addLayout(bar);
}

RegisterWindow::RegisterWindow(data::TDM *dm, const RegisterDescription &description, QWidget *parent)
    : RegisterWindow(dm, description.table, parent)
{
    m_description = description;
    const RegisterDescription &d = m_description;
    setObjectName(d.objectName);
    setWindowTitle(d.caption);
    if (!d.tabs.isEmpty()) {
        m_pages = tabbedBody(d.tabs);
        describedSearchPage();
    }
    if (!d.navigatorHints.isEmpty())
        setNavigatorHints(d.navigatorHints);
    QVector<ButtonDefinition> bar;
    for (int i = 0; i < d.buttons.size() && i < ButtonCount; ++i)
        bar.append({Button(i), d.buttons.at(i).caption, d.buttons.at(i).hint});
    setupButtons(bar);
    setButtonVisible(Cadastro, false);
}

void RegisterWindow::describedSearchPage()
{
    const RegisterDescription &d = m_description;
    if (d.searchField.isEmpty() || !m_pages || m_search.grid)
        return;
    const bool withCount = !d.countPrefix.isEmpty();
    m_search = searchPage(page(m_pages->count() - 1), d.searchCaption, d.source, d.searchColumns, d.gridMinimum,
                          d.searchField, withCount);
    if (withCount)
        setupOrders(m_search.orders, d.orders, d.initialOrder);
}

void RegisterWindow::setForm(QWidget *form, data::DataSource *source)
{
    m_body->addWidget(form);
    FormBinder::bind(form, source ? source : m_description.source);
    if (!m_pages) {
        m_pages = form->findChild<QTabWidget *>(QStringLiteral("PageControl1"));
        describedSearchPage();
    }
}

RegisterWindow::MaskedField RegisterWindow::masked(QLineEdit *edit)
{
    MaskedFieldPair *pair = FormBinder::pairOf(edit);
    Q_ASSERT_X(pair, "RegisterWindow::masked", qPrintable(edit->objectName()));
    return {edit, pair ? pair->hidden() : nullptr};
}

QWidget *RegisterWindow::page(int index) const
{
    return m_pages ? m_pages->widget(index) : nullptr;
}

void RegisterWindow::setTitle(const QString &text)
{
    m_title->setText(text);
}

void RegisterWindow::setupButtons(const QVector<ButtonDefinition> &buttons)
{
    for (const ButtonDefinition &s : buttons) {
        QPushButton *b = m_buttons[s.button];
        b->setText(s.caption);
        b->setToolTip(s.hint);
        b->setStatusTip(s.hint);
        b->setVisible(!s.caption.isEmpty());
    }
}

void RegisterWindow::setNavigatorHints(const QStringList &hints)
{
    m_navigator->setHints(hints);
}

void RegisterWindow::setButtonsEnabled(std::initializer_list<Button> buttons, bool enabled)
{
    for (Button b : buttons)
        m_buttons[b]->setEnabled(enabled);
}

void RegisterWindow::setButtonVisible(Button b, bool visible)
{
    m_buttons[b]->setVisible(visible);
}

void RegisterWindow::reject()
{
    QPushButton *back = m_buttons[Retornar];
    if (back->isVisible() && back->isEnabled())
        back->click();
}

bool RegisterWindow::checkRequired(const QVector<Required> &fields)
{
    for (const Required &r : fields) {
        if (!r.isEmpty())
            continue;
        inform(r.message, r.caption, this);
        if (r.page) {
            for (QWidget *w = r.page->parentWidget(); w; w = w->parentWidget()) {
                if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
                    tabs->setCurrentWidget(r.page);
                    break;
                }
            }
        }
        r.field->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

bool RegisterWindow::checkRequired()
{
    QVector<Required> fields;
    for (const RegisterDescription::Required &r : m_description.required) {
        auto *field = findChild<QWidget *>(r.field);
        Q_ASSERT_X(field, "RegisterWindow::checkRequired", qPrintable(r.field));
        if (!field)
            continue;
        std::function<bool()> isEmpty;
        if (auto *number = qobject_cast<NumericEdit *>(field))
            isEmpty = [number] { return number->isZero(); };
        else if (auto *pair = field->findChild<MaskedFieldPair *>(QString(), Qt::FindDirectChildrenOnly))
            isEmpty = emptyText(pair->hidden());
        else if (auto *edit = qobject_cast<QLineEdit *>(field))
            isEmpty = emptyText(edit);
        else if (auto *combo = qobject_cast<QComboBox *>(field))
            isEmpty = emptyText(combo);
        fields.append({field, isEmpty, r.message, r.caption, r.tab >= 0 ? page(r.tab) : nullptr});
    }
    return checkRequired(fields);
}

std::function<bool()> RegisterWindow::emptyText(QLineEdit *edit)
{
    return [edit] { return edit->text().trimmed().isEmpty(); };
}

std::function<bool()> RegisterWindow::emptyText(QComboBox *combo)
{
    return [combo] { return combo->currentText().trimmed().isEmpty(); };
}

RegisterWindow::SaveResult RegisterWindow::saveOr(const std::function<void()> &steps, const QString &warning,
                                                  const QString &caption)
{
    try {
        steps();
        return SaveResult::Saved;
    } catch (const data::DataError &e) {
        if (e.kind() == data::DataError::Kind::UniqueKey) {
            warn(warning, caption, this);
            return SaveResult::Duplicate;
        }
        showUnhandled(e.message(), this);
        return SaveResult::Failed;
    }
}

RegisterWindow::SaveResult RegisterWindow::saveOr(const std::function<void()> &steps)
{
    return saveOr(steps, m_description.duplicateMessage, m_description.duplicateCaption);
}

bool RegisterWindow::confirmAndSave(bool pendingOnly)
{
    if (!ask(QStringLiteral("Confirma a Inclusão/Alteração?"), QStringLiteral("Confirmação"), this))
        return false;
    saveOr([&] {
        if (pendingOnly)
            postPending();
        else
            m_table->post();
        m_table->refresh();
        if (ask(QStringLiteral("Continua Cadastramento?"), QStringLiteral("Confirmação"), this))
            m_table->append();
    });
    return true;
}

void RegisterWindow::postPending()
{
    if (!m_table->isEditing())
        throw data::DataError(QStringLiteral("%1 não está em edição nem inclusão.").arg(m_table->objectName()),
                              data::DataError::Kind::UniqueKey);
    m_table->post();
}

void RegisterWindow::locateAsTyped(QLineEdit *search, const QString &field)
{
    connect(search, &QLineEdit::textChanged, this, [this, field](const QString &text) {
        if (text.isEmpty() || !m_table->isActive())
            return;
        guarded(this, [&] { m_table->locate(field, text, {true, true}); });
    });
}

void RegisterWindow::setupOrders(QComboBox *list, const QVector<QPair<QString, QString>> &orders,
                                 const QString &initial)
{
    m_orders.insert(list, orders);
    list->clear();
    for (const auto &o : orders)
        list->addItem(o.first);
    list->setCurrentText(initial);
    connect(list, QOverload<int>::of(&QComboBox::activated), this, [this, list](int index) {
        guarded(this, [&] { applyOrder(m_orders.value(list).value(index).second); });
    });
}

void RegisterWindow::selectOrder(QComboBox *list, const QString &caption)
{
    list->setCurrentText(caption);
    const auto orders = m_orders.value(list);
    for (const auto &o : orders)
        if (o.first == caption)
            applyOrder(o.second);
}

void RegisterWindow::applyOrder(const QString &order)
{
    if (!m_table->isActive())
        return;
    // A new order reads the rows again: a pending change is dropped, as on any move.
    if (order.startsWith(QLatin1String("index:"))) {
        const QString name = order.mid(6);
        if (m_table->indexName() != name)
            m_table->setIndexName(name);
    } else if (m_table->indexFieldNames() != order || !m_table->indexName().isEmpty()) {
        m_table->setIndexFieldNames(order);
    }
}

QTabWidget *RegisterWindow::tabbedBody(const QStringList &captions)
{
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("PageControl1"));
    for (int i = 0; i < captions.size(); ++i) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        tabs->addTab(page, captions.at(i));
    }
    m_body->addWidget(tabs);
    return tabs;
}

RegisterWindow::SearchPage RegisterWindow::searchPage(QWidget *page, const QString &caption,
                                                     data::DataSource *source,
                                                     const QVector<DBGrid::Column> &columns,
                                                     const QSize &gridMinimum, const QString &searchField,
                                                     bool withCountAndOrder)
{
    SearchPage p;
    auto *layout = new QVBoxLayout(page);
    p.edit = new QLineEdit;
    p.group = groupOf(p.edit, QStringLiteral("Edit1"), caption, QStringLiteral("GroupBox1"), page);
    layout->addWidget(p.group);
    p.grid = new DBGrid(page);
    p.grid->setObjectName(QStringLiteral("DBGrid1"));
    p.grid->setDataSource(source);
    p.grid->setColumns(columns);
    p.grid->setMinimumSize(gridMinimum);
    layout->addWidget(p.grid);
    if (withCountAndOrder) {
        auto *bottom = new QHBoxLayout;
        p.count = new QLabel(page);
        p.count->setObjectName(QStringLiteral("Panel1"));
        p.count->setFrameShape(QFrame::Panel);
        p.count->setFrameShadow(QFrame::Sunken);
        p.count->setStyleSheet(QStringLiteral("QLabel { color: navy; font-weight: bold; padding: 4px; }"));
        bottom->addWidget(p.count, 1);
        p.orders = new QComboBox;
        p.orderGroup = groupOf(p.orders, QStringLiteral("ComboBox1"), QStringLiteral("&Ordenação"),
                               QStringLiteral("GroupBox2"), page);
        bottom->addWidget(p.orderGroup);
        layout->addLayout(bottom);
    }
    UpperCaseValidator::install(p.edit);
    locateAsTyped(p.edit, searchField);
    return p;
}

void RegisterWindow::showCount(QLabel *panel, const QString &prefix)
{
    panel->setText(prefix + QString::number(m_table->isActive() ? m_table->recordCount() : 0));
}

void RegisterWindow::countRows()
{
    // The count is asked of the database: every row, not only those read so far.
    m_table->last();
    showCount(m_search.count, m_description.countPrefix);
    m_table->first();
}

void RegisterWindow::startNew(QWidget *focus)
{
    setButtonsEnabled({Incluir, Excluir, Pesquisar, Retornar}, false);
    if (m_pages)
        m_pages->setCurrentIndex(0);
    if (focus)
        focus->setFocus();
    m_table->append();
}

void RegisterWindow::cancelPending(QWidget *focus)
{
    m_table->cancel();
    setButtonsEnabled({Incluir, Excluir, Pesquisar, Retornar}, true);
    if (focus)
        focus->setFocus();
}

QWidget *RegisterWindow::control(const QString &name) const
{
    return name.isEmpty() ? nullptr : findChild<QWidget *>(name);
}

void RegisterWindow::BtnIncluirClick()
{
    startNew(control(m_description.entryField));
}

void RegisterWindow::BtnCancelarClick()
{
    cancelPending(control(m_description.entryField));
}

void RegisterWindow::BtnExcluirClick()
{
    deleteCurrent();
}

void RegisterWindow::BtnRetornarClick()
{
    // Closing the table drops a pending change.
    m_table->close();
    accept();
}

void RegisterWindow::deleteCurrent()
{
    m_table->open();
    if (m_table->isEmpty()) {
        m_table->close();
        inform(m_description.deleteEmptyMessage, m_description.deleteEmptyCaption, this);
    }
    m_table->open();
    if (!m_table->isEmpty() && ask(m_description.deleteQuestion, QStringLiteral("Confirmação"), this)) {
        m_table->remove();
        m_table->refresh();
    }
}

bool RegisterWindow::searchable(QWidget *focus)
{
    if (!m_table->isEmpty())
        return true;
    inform(m_description.searchEmptyMessage, QStringLiteral("Pesquisa"), this);
    focus->setFocus();
    return false;
}

void RegisterWindow::showSearchButtons(bool search)
{
    // The one going away first: a hidden button hands the focus on.
    setButtonVisible(search ? Pesquisar : Cadastro, false);
    setButtonVisible(search ? Cadastro : Pesquisar, true);
}

void RegisterWindow::switchPageQuietly(QWidget *page)
{
    m_switching = true;
    m_pages->setCurrentWidget(page);
    m_switching = false;
}

void RegisterWindow::onExit(QWidget *field, std::function<void()> action)
{
    widgets::onExit(field, std::move(action));
}

void RegisterWindow::onEnter(QWidget *field, std::function<void()> action)
{
    widgets::onEnter(field, std::move(action));
}

void RegisterWindow::dropDownOnTyping(QComboBox *list)
{
    m_dropOnTyping << list;
    list->installEventFilter(this);
}

bool RegisterWindow::focusGoingTo(Button b) const
{
    return QApplication::focusWidget() == m_buttons[b];
}

QLabel *RegisterWindow::buddyLabel(const QString &text, QWidget *field, const QString &objectName)
{
    auto *label = new QLabel(text, field ? field->parentWidget() : nullptr);
    if (!objectName.isEmpty())
        label->setObjectName(objectName);
    label->setBuddy(field);
    return label;
}

void RegisterWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded(this, [&] { FormShow(); });
}

bool RegisterWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && m_dropOnTyping.contains(watched)) {
        auto *list = static_cast<QComboBox *>(watched);
        auto *key = static_cast<QKeyEvent *>(event);
        if (!key->text().isEmpty() && key->text().at(0).isPrint() && !list->view()->isVisible()) {
            list->showPopup();
            // The letter picks the matching item in the list just opened.
            QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
            QApplication::sendEvent(list->view(), &again);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace widgets
