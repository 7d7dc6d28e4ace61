// Fuzzing the start-number reader with any bytes a person could type or paste.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "panel/number_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto number = panel::readTypedNumber(text);

    // Reading stops at the first character that cannot continue a number, so one more changes nothing.
    if (panel::readTypedNumber(text + "x") != number)
        std::abort();
    // Blanks are skipped wherever they stand, between digits too.
    if (!text.empty() && panel::readTypedNumber(text.substr(0, size / 2) + " " + text.substr(size / 2)) != number)
        std::abort();
    return 0;
}
