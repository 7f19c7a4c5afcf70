#pragma once

#include <QDialog>
#include <QStringList>
#include <QVector>

class QCheckBox;
class QPushButton;

namespace data { class TDM; }

// Empties chosen registers and movements completely: each box's tables in
// one transaction, one DELETE per table, so a box is emptied wholly or not
// at all; the first refusal stops the run.
class TfrmLimparBD : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmLimparBD(data::TDM *dm, QWidget *parent = nullptr);

    QCheckBox *CheckBox1, *CheckBox2, *CheckBox3, *CheckBox4, *CheckBox5, *CheckBox6, *CheckBox7, *CheckBox8,
        *CheckBox9, *CheckBox10, *CheckBox11, *CheckBox12, *CheckBox13;
    QPushButton *BitBtn1, *BitBtn2;

    void BitBtn1Click(); // "Processar"
    void BitBtn2Click(); // "Retornar"

    // One box: its tables (header before lines) and its message.
    struct Box
    {
        QCheckBox *box;
        QStringList tables;
        QString message;
    };
    // In the order they are processed.
    QVector<Box> boxes() const;

private:
    void empty(const Box &box);

    data::TDM *dm;
};
