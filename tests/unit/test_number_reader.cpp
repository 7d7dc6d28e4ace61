// The start-number reader: what a typed text reads as. Rules that hold for any text are the fuzz target's.
#include <cstdint>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "panel/number_reader.h"

namespace {

using panel::readTypedNumber;

TEST(NumberReader, ReadsTheNumberTheTextBeginsWith)
{
    const struct {
        std::string text;
        std::optional<std::int32_t> index;
    } rows[] = {
        {"12", 12},
        {" 7.5", 8},  // halves go to the even neighbour
        {"6.5", 6},
        {"-2", -2},
        {"4abc", 4},
        {"-42\xff" "7", -42},  // a byte of any value ends it
        {"File  3 OF  12", 0},
        {"\t1\n2", 12},  // blanks are skipped also between digits
        {"&H1F", 31},
        {"&h1f", 31},
        {"&O17", 15},
        {"&O19", 1},
        {"1.5e1x", 15},
        {"2d2", 200},
        {"1e", 1},
        {"0x1F", 0},
        {std::string("1\0" "5", 3), 1},  // a NUL byte ends the number like any other character
        {"", 0},
        {"-", 0},
        {"&", 0},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483647.5", std::nullopt},
        {"1e400", std::nullopt},
        {"99999999999", std::nullopt},
        {"-99999999999", std::nullopt},
        {"&H" + std::string(300, 'F'), std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(readTypedNumber(row.text), row.index) << '"' << row.text << '"';
}

}  // namespace
