// The start-number reader: what a typed text reads as, and rules that hold for any text.
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "panel/number_reader.h"

namespace {

using panel::readTypedNumber;
using ::testing::PrintToString;

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

// Random text of up to maxLength characters from the alphabet.
std::string randomText(std::mt19937& rng, const std::string& alphabet, std::size_t maxLength)
{
    std::string text(std::uniform_int_distribution<std::size_t>(0, maxLength)(rng), '\0');
    for (char& c : text)
        c = alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
    return text;
}

TEST(NumberReader, AnyTextReadsWithoutErrorAndOnlyItsNumberCounts)
{
    std::string anyByte(256, '\0');
    for (std::size_t b = 0; b < anyByte.size(); ++b)
        anyByte[b] = static_cast<char>(b);
    // Half the texts only from the characters that matter to the reader, so that many are numbers.
    const std::string numberish = "0123456789+-.eEdD&HhOo \tx";
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<std::int32_t> anyIndex(INT32_MIN, INT32_MAX);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = randomText(rng, i % 2 == 0 ? anyByte : numberish, i % 2 == 0 ? 24 : 12);
        std::optional<std::int32_t> read;
        ASSERT_NO_THROW(read = readTypedNumber(text));
        EXPECT_EQ(readTypedNumber(" \t\n " + text), read) << "leading blanks before " << PrintToString(text);

        // Whatever follows a whole number that cannot continue it is ignored, bytes of any value.
        const std::int32_t index = anyIndex(rng);
        const std::string tail = randomText(rng, anyByte, 8);
        const std::string number = std::to_string(index);
        if (tail.empty() || std::string("0123456789.eEdD \t\n").find(tail[0]) != std::string::npos)
            continue;
        EXPECT_EQ(readTypedNumber(number + tail), index) << number << " followed by " << PrintToString(tail);
    }
}

}  // namespace
