// The display window carries the program's title and icon; the blackout window is plain black.
#include "display/window_designs.h"

namespace display {

const platform::WindowDesign& form2Design()
{
    static const platform::WindowDesign design{"Form2", "Pixora", 7260, 5595, true, false};
    return design;
}

const platform::WindowDesign& form3Design()
{
    // Titled as the program, since some desktops name it in window switchers all the same.
    static const platform::WindowDesign design{"Form3", "Pixora", 4680, 3195, false, true};
    return design;
}

}  // namespace display
