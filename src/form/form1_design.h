// The main window's design values: what the platform builds Form1 and its nineteen controls from.
#pragma once

#include "platform/design.h"
#include "platform/units.h"

namespace form {

// The panel's size: Picture1's, the ground its controls are laid on. A stop brings Form1 back up to it.
inline constexpr platform::Twips kPanelWidth = 8175;
inline constexpr platform::Twips kPanelHeight = 5535;

const platform::WindowDesign& form1Design();

}  // namespace form
