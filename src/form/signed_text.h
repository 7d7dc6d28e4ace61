// A number as text with one blank where a non-negative number's sign would stand.
#pragma once

#include <string>

namespace form {

inline std::string signedText(long long value)
{
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

}  // namespace form
