// Design values of the display window and the blackout window.
#pragma once

#include "platform/design.h"

namespace display {

const platform::WindowDesign& form2Design();
const platform::WindowDesign& form3Design();

}  // namespace display
