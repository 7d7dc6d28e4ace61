// The program's icon, shown by the main window and the display window.
#pragma once

#include <QIcon>
#include <QImage>

namespace platform::qt {

QIcon pixoraIcon();
// The same drawing at any size in pixels, for the desktop's menus and launchers.
QImage drawPixoraIcon(int pixels);

}  // namespace platform::qt
