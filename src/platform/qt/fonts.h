// The faces the designs name, with stand-ins where a named face is missing.
#pragma once

#include <QFont>
#include <string>

namespace platform::qt {

// The named face at the given size; where the face is missing, a stand-in about as narrow.
QFont designFont(const std::string& face, int points);

}  // namespace platform::qt
