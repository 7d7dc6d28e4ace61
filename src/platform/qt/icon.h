// The program's icon, shown by the main window and the display window.
#pragma once

#include <QIcon>

namespace platform::qt {

QIcon pixoraIcon();

}  // namespace platform::qt
