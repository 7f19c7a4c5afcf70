#pragma once

// The skin component lives with the widgets, where the skin window reaches it.
#include "widgets/Skin.h"

namespace app {
using widgets::Skin;
using widgets::skin;
} // namespace app
