// The main window's design values: what the platform builds Form1 and its nineteen controls from.
#pragma once

#include "platform/design.h"

namespace panel {

const platform::WindowDesign& form1Design();

}  // namespace panel
