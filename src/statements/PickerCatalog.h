#pragma once

#include "widgets/PickerWindow.h"

namespace data {
class TDM;
}

// The description of the picker OBJECTNAME ("TfrmPesquisa1"), as kept in
// pickers.json, over the data module DM's query and source.
widgets::PickerWindow::Setup describedPicker(const QString &objectName, data::TDM *dm);
