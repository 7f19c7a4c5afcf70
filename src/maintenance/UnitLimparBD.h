#pragma once

#include "widgets/QueryWindow.h"

#include "ui_UnitLimparBD.h"

#include <QStringList>
#include <QVector>

// Empties chosen registers and movements completely: each box's tables in
// one transaction, one DELETE per table, so a box is emptied wholly or not
// at all; the first refusal stops the run.
class TfrmLimparBD : public widgets::QueryWindow, public Ui::TfrmLimparBD
{
    Q_OBJECT
public:
    explicit TfrmLimparBD(data::TDM *dm, QWidget *parent = nullptr);

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
};
