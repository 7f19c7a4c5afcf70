#pragma once

#include <QDialog>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace data { class TDM; }
namespace widgets { class DBGrid; }

// The client picker: lists CREDOR through QCredor and writes the chosen
// client straight into the fields of the window that asked for it.
//
// Callers work as with the supplier picker: a caller marks itself while it
// is shown (widgets::setCallerMark) and is in the window registry under its
// class name; the picker serves the first marked window of the caller table.
// Each entry names the caller's controls by objectName: what "&Selecionar"
// writes there (a CREDOR column, as text), which controls it enables, which
// control takes the focus, and what closing without a choice writes and
// disables. A window brought later that is not in the table adds itself:
//   TfrmPesquisa3::registerCaller({"TfrmNovo", {{"Edit1", "CODIGOCREDOR"}}, {}, "nota", {}, {}});
class TfrmPesquisa3 : public QDialog
{
    Q_OBJECT
public:
    struct Caller
    {
        QString windowClass;
        QVector<QPair<QString, QString>> fields;   // caller control <- CREDOR column
        QStringList enable;                        // caller controls enabled after the choice
        QString focus;                             // caller control focused after the choice
        QVector<QPair<QString, QString>> onReturn; // caller control <- text, closed without a choice
        QStringList disableOnReturn;               // caller controls disabled then
    };
    static const QVector<Caller> &callers();
    static void registerCaller(const Caller &caller);

    explicit TfrmPesquisa3(data::TDM *dm, QWidget *parent = nullptr);

    QWidget *currentCaller(Caller *entry = nullptr) const;

    QGroupBox *GroupBox1;
    QLineEdit *Edit1;
    QLabel *Panel2;
    widgets::DBGrid *DBGrid1;
    QPushButton *BitBtn1; // "&Selecionar"
    QPushButton *BitBtn2; // "&Retornar"
    QGroupBox *GroupBox2;
    QComboBox *ComboBox1;

    void reject() override; // Esc is "&Retornar"

    void FormShow();
    void Edit1Change(const QString &text);
    void ComboBox1Change(int index);
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reopen(const QString &orderColumn);
    static QVector<Caller> &table();

    data::TDM *m_dm;
};
