#pragma once

namespace kv {

// The largest glyph, in pixels, that is drawn from the glyph cache. The
// board's largest caption (36 pt) is about 230 pixels high on a 4K window and
// 460 on an 8K one.
inline constexpr int CachedGlyphLimit = 512;

// Sets the painting choices the board is tuned for. Qt reads them once, so
// this runs before the application object is made. A choice already set in
// the environment is kept.
// - Captions up to CachedGlyphLimit pixels are drawn from the glyph cache:
//   larger than Qt's usual limit of 64, beyond which every glyph's outline is
//   filled anew on every paint (most of a 4K repaint).
// - A control moved by the layout is painted anew instead of having its old
//   pixels copied: the layout places every control and the whole board is
//   painted after it, so each copy would be wasted.
void TunePainting();

} // namespace kv
