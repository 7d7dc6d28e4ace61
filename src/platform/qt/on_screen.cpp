// The own-size window's place worked out as the slide tick and the window itself work it out: the
// picture's twips, 5 more for the window, the edge in twips, then whole pixels.
#include "platform/qt/on_screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/pixels.h"

namespace platform::qt {

namespace {

constexpr int kRoundingMargin = 2;

int windowEdge(Anchor anchor, int start, int size, int window)
{
    const float offset = static_cast<float>(toTwips(size) - toTwips(window));
    switch (anchor) {
    case Anchor::Start:
        return start;
    case Anchor::End:
        return toPixels(toTwips(start) + offset);
    case Anchor::Centre:
        break;
    }
    return toPixels(toTwips(start) + offset / 2.0f);
}

}  // namespace

bool OnScreen::operator==(const OnScreen& other) const
{
    return horizontal == other.horizontal && vertical == other.vertical && workArea == other.workArea &&
           screens == other.screens && ratio == other.ratio;
}

QRect OnScreen::partOf(QSize natural) const
{
    const QSize window(toPixels(deviceTwips(natural.width(), ratio) + 5.0f),
                       toPixels(deviceTwips(natural.height(), ratio) + 5.0f));
    const QPoint at(windowEdge(horizontal, workArea.x(), workArea.width(), window.width()),
                    windowEdge(vertical, workArea.y(), workArea.height(), window.height()));
    const QRect seen = QRect(at, window).intersected(screens).translated(-at);
    if (seen.isEmpty())
        return {};
    return deviceRect(seen, ratio)
        .adjusted(-kRoundingMargin, -kRoundingMargin, kRoundingMargin, kRoundingMargin)
        .intersected(QRect(QPoint(), natural));
}

std::optional<OnScreen> onScreenFor(PictureUse use)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (use.fitted || !screen)
        return std::nullopt;
    return OnScreen{use.horizontal, use.vertical, screen->availableGeometry(), screen->virtualGeometry(),
                    screen->devicePixelRatio()};
}

}  // namespace platform::qt
