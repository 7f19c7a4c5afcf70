#pragma once

#include "widgets/PickerWindow.h"

namespace data {
class DataSource;
class TDM;
class Table;
}

// The yard-log picker: lists the log lines still in the yard (SITUACAO 0)
// through its own table, ordered by plate code, and hands the chosen log
// back. Typing finds a plate code only when typed whole. A plate typed or
// scanned with Enter chooses that log at once; one not in the yard is
// refused with where it went (sawn, or never entered), never swapped for
// whichever row was current.
class TfrmPesquisa2 : public widgets::PickerWindow
{
    Q_OBJECT
public:
    explicit TfrmPesquisa2(data::TDM *dm, QWidget *parent = nullptr);

    data::Table *TCONSULTA;
    data::DataSource *DCONSULTA;

protected:
    void openList() override;
    void locateText(const QString &text) override;
    void orderChosen(int index) override;
    void searchEntered() override;

private:
    TfrmPesquisa2(data::TDM *dm, data::Table *list, QWidget *parent);

    data::TDM *dm;
};
