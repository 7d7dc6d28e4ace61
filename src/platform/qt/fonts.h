// The faces that stand in for the one the panel was laid out in, where that one is missing.
#pragma once

namespace platform::qt {

// Safe to call more than once: a face already registered is not added again.
void registerFontSubstitutes();

}  // namespace platform::qt
