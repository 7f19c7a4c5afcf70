#pragma once

#include "rules/LogPackingList.h"
#include "widgets/MovementHeaderWindow.h"
#include "widgets/PickerWindow.h"

#include <QDate>

#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace data { class DataSource; class TDM; }
namespace widgets { class DBGrid; class DateEdit; }

namespace logs {

// Where a packing-list line goes when it is saved: the list loaded in the
// packing-list window and the date it shows at that moment.
struct PackingListTarget
{
    rules::PackingListKey list;
    QDate date;
};

// The line window of a packing list: it writes the list's number, date and
// client into each line it saves.
class PackingListLineWindow : public widgets::MovementLineWindow
{
    Q_OBJECT
public:
    using MovementLineWindow::MovementLineWindow;

    // `target` is asked at each save; `posted` runs after each line stored.
    void setHeader(std::function<PackingListTarget()> target, std::function<void()> posted);

protected:
    // NF, DATA and CODEMPRESA of the list, then the post.
    void postToList(data::DataSet *rows);

private:
    std::function<PackingListTarget()> m_target;
    std::function<void()> m_posted;
};

// A packing list ("romaneio") of logs or of sawn wood: it has no header row;
// a list is the rows of one number and one client, each row carrying both
// and a date. Both windows work the same way, and this class holds it: the
// client chosen with the client picker, the number that loads a list, the
// line buttons, the totals, the whole-list deletion and the report. A
// window built on it lays out its form, names its rows and its report.
class PackingListWindow : public widgets::MovementHeaderWindow
{
    Q_OBJECT
public:
    // The client picker each new list starts with.
    void setClientPicker(widgets::Picker picker) { m_clientPicker = std::move(picker); }
    // What "Relatório" opens: the report window, and the company data
    // window when the company data are missing.
    void setReportWindows(widgets::WindowSource report, widgets::WindowSource company);

    // The list loaded by the last openList(): rows saved in the line window
    // join it, whatever the fields show meanwhile.
    rules::PackingListKey listKey() const { return m_listKey; }

    QLineEdit *fornecedor, *MaskEdit1, *inscricao, *Edit1;
    QSpinBox *nota;
    widgets::DateEdit *data;
    QGroupBox *g;
    widgets::DBGrid *DBGrid2;
    QPushButton *BitBtn12, *BitBtn7, *BitBtn9, *BitBtn10, *BitBtn11; // the line buttons
    QLabel *m3, *valtotal;
    QPushButton *BitBtn2, *BitBtn3, *BitBtn4, *BitBtn5, *BitBtn6;

    void FormShow() override;
    void BitBtn5Click();  // "&Incluir/Alterar"
    void dataEnter();
    void notaExit();      // loads the list
    void BitBtn12Click(); // line "Incluir"
    void BitBtn7Click();  // line "Alterar"
    void BitBtn2Click();  // "&Cancelar"
    void BitBtn3Click();  // "&Retornar"
    void BitBtn6Click();  // "E&xcluir": the whole list
    void BitBtn4Click();  // "Relatório"

protected:
    // What a list is kept in, what "Relatório" says when there is none at
    // all, and the line window made when none is given.
    struct Setup
    {
        data::Table *rows = nullptr;
        data::DataSource *source = nullptr; // of the rows, for the form's bound controls
        std::unique_ptr<rules::LogPackingList> lists;
        QString noListMessage;
        widgets::WindowSource lineWindow;
    };

    PackingListWindow(data::TDM *dm, QWidget *parent);

    // Takes the controls of the window's form (a Ui class from its .ui
    // file) and connects them; then the window is ready.
    template <class Form>
    void takeForm(Form &form, Setup setup)
    {
        fornecedor = form.fornecedor;
        MaskEdit1 = form.MaskEdit1;
        inscricao = form.inscricao;
        Edit1 = form.Edit1;
        nota = form.nota;
        data = form.data;
        g = form.g;
        DBGrid2 = form.DBGrid2;
        BitBtn12 = form.BitBtn12;
        BitBtn7 = form.BitBtn7;
        BitBtn9 = form.BitBtn9;
        BitBtn10 = form.BitBtn10;
        BitBtn11 = form.BitBtn11;
        m3 = form.m3;
        valtotal = form.valtotal;
        BitBtn2 = form.BitBtn2;
        BitBtn3 = form.BitBtn3;
        BitBtn4 = form.BitBtn4;
        BitBtn5 = form.BitBtn5;
        BitBtn6 = form.BitBtn6;
        setUp(std::move(setup), {form.NavFirst, form.NavPrior, form.NavNext, form.NavLast});
    }

    widgets::LineTotals lineTotals() override;
    void lineWindowClosed() override;
    void linesChanged() override;

    data::TDM *dm;

private:
    void setUp(Setup setup, const QVector<QPushButton *> &navigator);
    void openList();
    void setRowCountCaption();
    void clearClient();
    enum { LineButtons = OwnGroup };
    // Back to no list: the client, number and date cleared and disabled.
    void dropList();
    void showLineWindow();
    void chooseClient();

    std::unique_ptr<rules::LogPackingList> m_lists;
    QString m_noListMessage;
    rules::PackingListKey m_listKey;
    widgets::Picker m_clientPicker;
    widgets::WindowSource m_report, m_company;
};

} // namespace logs
