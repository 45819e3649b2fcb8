#pragma once

namespace kv {

// Sets the painting choices the board is tuned for. Qt reads them once, so
// this runs before the application object is made. A choice already set in
// the environment is kept.
// - A control moved by the layout is painted anew instead of having its old
//   pixels copied: the layout places every control and the whole board is
//   painted after it, so each copy would be wasted (on a 4K window, most of
//   the layout step's own time).
// Qt's limit for drawing glyphs from its cache stays as it is: raised, the
// board's larger captions (above 64 pixels) were not drawn at all.
void TunePainting();

} // namespace kv
