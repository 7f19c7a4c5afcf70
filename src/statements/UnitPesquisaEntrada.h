#pragma once

#include <QDialog>
#include <QPair>
#include <QString>
#include <QVector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace data {
class TDM;
}
namespace widgets {
class DBGrid;
}

// The supplier picker: lists FORNECEDOR through QFornecedor and writes the
// chosen supplier straight into the fields of the window that asked for it.
//
// Callers. A window that uses the picker marks itself while it is shown
// (widgets::setCallerMark(this, true) on show, false on close) and is in the
// window registry under its class name. The picker serves the first marked
// window of the caller table, in the table's order. Each entry says, by the
// objectName of the caller's controls, what "&Selecionar" writes there
// (a column of the current supplier), which control then takes the focus,
// and what closing without a choice writes (usually nothing, so the caller's
// fields stay as they were). A window that a later change brings either is
// already in the table or adds itself once at start-up:
//   TfrmPesquisa::registerCaller({"TfrmNovo", {{"FORNECEDOR", "NOMEFORNECEDOR"}}, "nota1", {}});
// Bound controls (DBEdit, NumericEdit) receive the value through their
// column; any other line edit receives the text.
class TfrmPesquisa : public QDialog
{
    Q_OBJECT
public:
    struct Caller
    {
        QString windowClass;                          // e.g. "TfrmEntradaToros"
        QVector<QPair<QString, QString>> fields;      // caller control <- FORNECEDOR column
        QString focus;                                // caller control focused after the choice
        QVector<QPair<QString, QString>> onReturn;    // caller control <- text, closed without a choice
    };
    // The callers in the order they are served.
    static const QVector<Caller> &callers();
    // Adds a caller at the end, or replaces the entry of the same class.
    static void registerCaller(const Caller &caller);

    explicit TfrmPesquisa(data::TDM *dm, QWidget *parent = nullptr);

    // The first marked caller and its entry; nullptr when no caller is marked.
    QWidget *currentCaller(Caller *entry = nullptr) const;

    QGroupBox *GroupBox1;
    QLineEdit *Edit1;
    widgets::DBGrid *DBGrid1;
    QPushButton *BitBtn1; // "&Selecionar"
    QPushButton *BitBtn2; // "&Retornar"
    QGroupBox *GroupBox2;
    QComboBox *ComboBox1;
    QLabel *Panel2;

    void reject() override; // Esc is "&Retornar"

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    void FormShow();
    void Edit1Change(const QString &text);
    void ComboBox1Change(int index);
    void BitBtn1Click();
    void BitBtn2Click();

private:
    void reopen(const QString &orderColumn);
    static QVector<Caller> &table();

    data::TDM *m_dm;
    QString m_orderColumn;
};
