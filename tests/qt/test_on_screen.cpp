// Where an own-size picture's window is on the screens decides the part of it that is decoded: worked
// out as the program places the window, anchored, at any density, in or out of the screens.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/qt/on_screen.h"

namespace {

using platform::Anchor;
using platform::qt::OnScreen;

TEST(OnScreen, ThePartDecodedIsWhereTheWindowIsOnTheScreensWithAFewPixelsToSpare)
{
    // A 1000 x 800 free area at (100, 50) of a 1920 x 1080 desktop; the picture is 3000 x 2000.
    const QRect workArea(100, 50, 1000, 800), screens(0, 0, 1920, 1080);
    const std::tuple<Anchor, qreal, QRect> rows[] = {
        {Anchor::Centre, 1, QRect(898, 548, 1924, 1084)},  // the window at (-900, -550)
        {Anchor::Start, 1, QRect(0, 0, 1822, 1032)},       // at (100, 50)
        {Anchor::End, 1, QRect(1898, 1148, 1102, 852)},    // at (-1900, -1150)
        {Anchor::Centre, 2, QRect(298, 98, 2702, 1902)},   // 1500 x 1000 logical pixels at (-150, -50)
    };
    for (const auto& [anchor, ratio, part] : rows) {
        const OnScreen onScreen{anchor, anchor, workArea, screens, ratio};
        EXPECT_EQ(onScreen.partOf(QSize(3000, 2000)), part) << static_cast<int>(anchor) << " at " << ratio;
    }
    const OnScreen off{Anchor::Start, Anchor::Start, QRect(2000, 0, 100, 100), screens, 1};
    EXPECT_TRUE(off.partOf(QSize(30, 20)).isEmpty());
}

}  // namespace
