#pragma once

#include "widgets/RegisterDescription.h"

namespace data {
class TDM;
}

// The description of the register OBJECTNAME ("TfrmCredor"), as kept in
// registers.json, over the data module DM's table and source.
widgets::RegisterDescription describedRegister(const QString &objectName, data::TDM *dm);
