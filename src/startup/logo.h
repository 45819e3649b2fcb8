#pragma once

#include <QIcon>
#include <QPixmap>

namespace kv {

// The product logo, 138 x 140 pixels, drawn by the program itself.
QPixmap ProductLogo(qreal devicePixelRatio = 1.0);
// The program's icon, the same on every form.
QIcon ProgramIcon();

} // namespace kv
