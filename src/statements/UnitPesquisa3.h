#pragma once

#include "widgets/PickerWindow.h"

namespace data {
class TDM;
}

// The client picker: lists CREDOR through QCredor and writes the chosen
// client straight into the fields of the window that asked for it (the
// caller table and marks are those of widgets::PickerWindow). Values are
// written as text, an empty list giving empty texts; with no marked caller
// "&Selecionar" does nothing. A window brought later that is not in the
// table adds itself:
//   TfrmPesquisa3::registerCaller({"TfrmNovo", {{"Edit1", "CODIGOCREDOR"}}, {}, "nota", {}, {}});
class TfrmPesquisa3 : public widgets::PickerWindow
{
    Q_OBJECT
public:
    static const QVector<Caller> &callers();
    static void registerCaller(const Caller &caller);

    explicit TfrmPesquisa3(data::TDM *dm, QWidget *parent = nullptr);

protected:
    bool closesListOnReturn(const QWidget *caller, const Caller &entry) const override;

private:
    static QVector<Caller> &table();
};
