// Shows or hides panel controls one by one, in the order given.
#pragma once

#include <initializer_list>

#include "platform/controls.h"

namespace panel {

inline void setVisible(std::initializer_list<platform::Control*> controls, bool visible)
{
    for (platform::Control* control : controls)
        control->setVisible(visible);
}

}  // namespace panel
