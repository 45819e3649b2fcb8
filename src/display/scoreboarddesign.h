#pragma once

#include "display/formdesign.h"

namespace kv {

// The scoreboard's design client area in twips.
constexpr double ScoreboardDesignWidth = 9480;
constexpr double ScoreboardDesignHeight = 6795;
constexpr int ScoreboardDesignBackColor = 0xC0C0C0;

// Every element of the scoreboard: names, classes, containers, texts,
// positions (twips), fonts, design colours, visibility and tab indexes.
const std::vector<ControlDesign>& ScoreboardDesign();

} // namespace kv
