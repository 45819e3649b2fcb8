#pragma once

#include "display/formdesign.h"

#include <vector>

namespace kv {

// The controls of the options dialog, tab by tab, with their captions,
// places, fonts and visibility.
const std::vector<ControlDesign>& OptionsDesign();

} // namespace kv
