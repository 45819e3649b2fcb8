#pragma once

#include "display/formdesign.h"

namespace kv {

// The compact board of one mat in the hall view, in twips at its design
// size; the hall view scales it to the room it has.
constexpr double MatBoardDesignWidth = 9900;
constexpr double MatBoardDesignHeight = 3060;

// Every element of a mat's compact board: the board's own display controls
// (labels, LED displays, shapes, lines), placed like the scoreboard's.
const std::vector<ControlDesign>& MatBoardDesign();

} // namespace kv
