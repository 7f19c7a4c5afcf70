#pragma once

#include "widgets/PickerWindow.h"

namespace data {
class TDM;
}

// The supplier picker: lists FORNECEDOR through QFornecedor and writes the
// chosen supplier straight into the fields of the window that asked for it
// (the caller table and marks are those of widgets::PickerWindow).
// "&Selecionar" writes the supplier's column values and closes even when no
// caller is marked; "&Retornar" always closes the list. A window that a
// later change brings either is already in the table or adds itself once at
// start-up:
//   TfrmPesquisa::registerCaller({"TfrmNovo", {{"FORNECEDOR", "NOMEFORNECEDOR"}}, "nota1", {}});
// Bound controls (DBEdit, NumericEdit) receive the value through their
// column; any other line edit receives the text.
class TfrmPesquisa : public widgets::PickerWindow
{
    Q_OBJECT
public:
    // The callers in the order they are served.
    static const QVector<Caller> &callers();
    // Adds a caller at the end, or replaces the entry of the same class.
    static void registerCaller(const Caller &caller);

    explicit TfrmPesquisa(data::TDM *dm, QWidget *parent = nullptr);

protected:
    bool closesListOnReturn(const QWidget *caller, const Caller &entry) const override;

private:
    static QVector<Caller> &table();
};
