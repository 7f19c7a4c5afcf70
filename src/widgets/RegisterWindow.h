#pragma once

#include "data/DataError.h"
#include "widgets/DBGrid.h"
#include "widgets/Prompter.h"
#include "widgets/RegisterDescription.h"

#include <QDialog>
#include <QHash>
#include <QPair>
#include <QStringList>
#include <QVector>
#include <functional>

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace data {
class TDM;
class Table;
}

namespace data {
class DataSource;
}

namespace widgets {

class DBEdit;
class MaskedFieldPair;
class RecordNavigator;

// What the register windows share: the title label over the header picture,
// a body the window fills with its data-bound fields over one table object,
// and the button bar with the record navigator and the buttons "&Incluir",
// "&Cancelar", "&Gravar", "E&xcluir", "&Pesquisar", the search-mode toggle
// and "&Retornar" (also Esc). The window keeps its own step lists in its
// handlers; this class supplies the pieces they call: required-field checks
// in a fixed order, a save whose refusal shows the window's own message and
// leaves the row pending, the locate-as-you-type search, the order list,
// the count panel and the enabling of buttons while a new row is pending.
class RegisterWindow : public QDialog
{
    Q_OBJECT
public:
    enum Button { Incluir, Cancelar, Gravar, Excluir, Pesquisar, Cadastro, Retornar, ButtonCount };

    RegisterWindow(data::TDM *dm, data::Table *table, QWidget *parent = nullptr);
    // A window built from its description: caption, tabs, bar, hints and,
    // when the description names a search field, the search tab.
    RegisterWindow(data::TDM *dm, const RegisterDescription &description, QWidget *parent = nullptr);

    data::TDM *dm() const { return m_dm; }
    data::Table *table() const { return m_table; }
    QLabel *titleLabel() const { return m_title; }
    QPushButton *button(Button b) const { return m_buttons.value(b); }
    RecordNavigator *navigator() const { return m_navigator; }

    // Esc and the window's close request both mean "&Retornar", and only
    // while that button can be pressed.
    void reject() override;

    // A digit column typed in a masked edit paired with a hidden edit bound
    // to the column (digits only are stored).
    struct MaskedField
    {
        QLineEdit *edit;  // what the user types in
        DBEdit *column;   // hidden, bound; its text is the stored digits
    };

protected:
    const RegisterDescription &description() const { return m_description; }
    // The layout the window fills between the title and the button bar.
    QVBoxLayout *body() const { return m_body; }
    QTabWidget *pages() const { return m_pages; }
    QWidget *page(int index) const;

    // Puts the window's form (laid out in its .ui file) into the body and
    // binds its controls to SOURCE (the description's when not given). A
    // tab widget `PageControl1` in the form holds the window's pages; the
    // described search tab is laid out on its last page.
    void setForm(QWidget *form, data::DataSource *source = nullptr);
    // The masked edit the form's binder paired with its hidden, bound edit.
    static MaskedField masked(QLineEdit *edit);

    // The tabbed body of the larger registers: `PageControl1` with one page
    // `TabSheet1`, `TabSheet2`... per caption, in order.
    QTabWidget *tabbedBody(const QStringList &captions);
    void setTitle(const QString &text);
    // Captions and hints of the bar; a button without a caption stays hidden.
    struct ButtonDefinition
    {
        Button button;
        QString caption;
        QString hint;
    };
    void setupButtons(const QVector<ButtonDefinition> &buttons);
    void setNavigatorHints(const QStringList &hints); // first, prior, next, last
    void setButtonsEnabled(std::initializer_list<Button> buttons, bool enabled);
    void setButtonVisible(Button b, bool visible);

    // One required field: at the first that is empty (in the order given) an
    // information box, its tab shown, the focus on it, and the check fails.
    struct Required
    {
        QWidget *field;
        std::function<bool()> isEmpty;
        QString message;
        QString caption;
        QWidget *page = nullptr; // the tab page holding the field, if any
    };
    bool checkRequired(const QVector<Required> &fields);
    // The description's required fields, found by name; a masked edit is
    // empty when its column is, a numeric edit when it shows zero.
    bool checkRequired();
    static std::function<bool()> emptyText(QLineEdit *edit);
    static std::function<bool()> emptyText(QComboBox *combo);

    // Runs the save steps. A unique-key refusal shows the window's warning
    // ("... já Cadastrada!"); any other error, a lost connection included,
    // the standard error box with the database's text. Either way the row
    // stays pending with what was typed.
    enum class SaveResult { Saved, Duplicate, Failed };
    SaveResult saveOr(const std::function<void()> &steps, const QString &warning, const QString &caption);
    SaveResult saveOr(const std::function<void()> &steps); // the description's duplicate message
    // "Confirma a Inclusão/Alteração?"; on Yes the row is saved (only a pending
    // one when PENDING_ONLY) and read again, and "Continua Cadastramento?"
    // appends a new row, the description's warning showing a duplicate.
    // False when the user answered No.
    bool confirmAndSave(bool pendingOnly);
    // Posts the table's pending row. A row nobody changed is already stored,
    // so "&Gravar" on it gets the window's "already registered" warning.
    void postPending();

    // Each change of SEARCH locates the first row whose FIELD begins with the
    // text, ignoring case; no match leaves the row where it is.
    void locateAsTyped(QLineEdit *search, const QString &field);

    // An order list: each caption with the order it sets, either index field
    // names ("NOMEFORNECEDOR") or "index:NAME" for a database index. Drops a
    // pending edit, as any move to another row does.
    void setupOrders(QComboBox *list, const QVector<QPair<QString, QString>> &orders, const QString &initial);
    void selectOrder(QComboBox *list, const QString &caption); // and apply it
    void applyOrder(const QString &order);

    // The search tab of a tabbed register, laid out on PAGE: the group
    // CAPTION with the upper-case edit `Edit1` that locates SEARCHFIELD as
    // typed, and the grid `DBGrid1` over SOURCE; with a count and an order,
    // also the count panel `Panel1` and the group "&Ordenação" with the order
    // list `ComboBox1` (whose orders the window sets up).
    struct SearchPage
    {
        QGroupBox *group;
        QLineEdit *edit;
        DBGrid *grid;
        QLabel *count = nullptr;
        QGroupBox *orderGroup = nullptr;
        QComboBox *orders = nullptr;
    };
    SearchPage searchPage(QWidget *page, const QString &caption, data::DataSource *source,
                          const QVector<DBGrid::Column> &columns, const QSize &gridMinimum,
                          const QString &searchField, bool withCountAndOrder = false);

    // The count panel: PREFIX followed by the number of rows (asked of the database).
    void showCount(QLabel *panel, const QString &prefix);
    // The description's count panel: to the last row, the count, back to the first.
    void countRows();

    // The step lists the registers share, with the description's messages.
    // "&Incluir": disable what a pending row disables, show the first tab,
    // focus FOCUS if given, append.
    void startNew(QWidget *focus = nullptr);
    // "&Cancelar": cancel, enable the buttons again, focus FOCUS if given.
    void cancelPending(QWidget *focus = nullptr);
    // "E&xcluir": an empty table is told so; otherwise a question, then the
    // current row is deleted.
    void deleteCurrent();
    // "&Pesquisar" on an empty table: the information box, FOCUS, false.
    bool searchable(QWidget *focus);
    // The entry or search buttons: "&Pesquisar" or "Ca&dastro" in the same place.
    void showSearchButtons(bool search);
    // Makes PAGE current without running what showing it by hand runs.
    void switchPageQuietly(QWidget *page);
    bool switchingPage() const { return m_switching; }
    // The search tab built from the description, if any.
    const SearchPage &search() const { return m_search; }

    // The windows' entering and leaving of a field (widgets/FocusHook.h).
    void onExit(QWidget *field, std::function<void()> action);
    void onEnter(QWidget *field, std::function<void()> action);
    // A list that drops down as soon as a letter is typed in it.
    void dropDownOnTyping(QComboBox *list);

    // True when the focus is on its way to BUTTON (a field left by clicking
    // it must not press it a second time).
    bool focusGoingTo(Button b) const;

    // Puts a caption before a field in a form row, with the caption as the
    // field's buddy so Alt+letter reaches it.
    static QLabel *buddyLabel(const QString &text, QWidget *field, const QString &objectName = {});

    // Runs on every show of the window (the opening steps).
    virtual void FormShow() {}

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The description's control named NAME (its entry or name field).
    QWidget *control(const QString &name) const;

    // Button handlers. The usual steps unless a window writes its own:
    // "&Incluir" startNew and "&Cancelar" cancelPending at the entry field,
    // "E&xcluir" deleteCurrent, "&Retornar" closes the table and the window.
    virtual void BtnIncluirClick();
    virtual void BtnCancelarClick();
    virtual void BtnGravarClick() {}
    virtual void BtnExcluirClick();
    virtual void BtnPesquisarClick() {}
    virtual void BtnCadastroClick() {}
    virtual void BtnRetornarClick();

private:
    void describedSearchPage();

    RegisterDescription m_description;
    QTabWidget *m_pages = nullptr;
    SearchPage m_search{};
    bool m_switching = false;
    data::TDM *m_dm;
    data::Table *m_table;
    QLabel *m_title;
    QVBoxLayout *m_body;
    RecordNavigator *m_navigator;
    QVector<QPushButton *> m_buttons;
    QHash<QComboBox *, QVector<QPair<QString, QString>>> m_orders;
    QList<QObject *> m_dropOnTyping;
};

} // namespace widgets
