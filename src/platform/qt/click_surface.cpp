// Input on a picture surface: clicks as the program counts them, the keys it names, the resting pointer.
#include "platform/qt/click_surface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>
#include <optional>
#include <set>

#include "platform/qt/raise.h"

namespace platform::qt {

namespace {

constexpr int kRestingMs = 2000;

std::set<ClickSurface*>& surfaces()
{
    static std::set<ClickSurface*> all;
    return all;
}

bool pointerHides = false;

std::optional<Key> platformKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_Escape:
        return Key::Escape;
    default:
        return std::nullopt;
    }
}

}  // namespace

ClickSurface::ClickSurface(QWidget* parent) : QWidget(parent)
{
    // Moves without a button pressed are what bring a hidden pointer back.
    setMouseTracking(true);
    resting_.setSingleShot(true);
    resting_.setInterval(kRestingMs);
    // A disabled surface hears no moves, so a pointer hidden over it could never come back.
    connect(&resting_, &QTimer::timeout, this, [this] {
        if (isEnabled())
            setCursor(Qt::BlankCursor);
    });
    surfaces().insert(this);
    if (pointerHides)
        resting_.start();
}

ClickSurface::~ClickSurface()
{
    surfaces().erase(this);
}

void ClickSurface::reportClicksTo(const Event& click, const Event& dblClick)
{
    click_ = &click;
    dblClick_ = &dblClick;
}

void ClickSurface::reportKeysTo(const KeyEvent& keyPress)
{
    keyPress_ = &keyPress;
}

void ClickSurface::hidePointerWhenIdle(bool hide)
{
    pointerHides = hide;
    for (ClickSurface* surface : surfaces()) {
        if (hide) {
            surface->resting_.start();
        } else {
            surface->resting_.stop();
            surface->unsetCursor();
        }
    }
}

// Click on release, double click on the second press; the release ending a double click is no click.
void ClickSurface::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    pressed_ = true;
    endingDoubleClick_ = false;
}

void ClickSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = pressed_ && !endingDoubleClick_ && rect().contains(event->position().toPoint());
    pressed_ = false;
    endingDoubleClick_ = false;
    if (click && click_)
        raiseFromQt(*click_);
}

void ClickSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    endingDoubleClick_ = true;
    if (dblClick_)
        raiseFromQt(*dblClick_);
}

void ClickSurface::mouseMoveEvent(QMouseEvent* event)
{
    if (pointerHides) {
        unsetCursor();
        resting_.start();
    }
    QWidget::mouseMoveEvent(event);
}

void ClickSurface::keyPressEvent(QKeyEvent* event)
{
    const std::optional<Key> key = platformKey(event->key());
    if (!key || !keyPress_ || !receivesKeys()) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A held key is one press, not a stream of them.
    if (!event->isAutoRepeat())
        raiseFromQt(*keyPress_, *key);
}

void ClickSurface::setWindowFlagInPlace(Qt::WindowType flag, bool on)
{
    if (QWindow* native = windowHandle())
        native->setFlag(flag, on);
    else
        setWindowFlag(flag, on);
}

// A key a control inside the surface let pass is not the surface's: only its own focus counts, or,
// for a window with nothing focused in it, the window's.
bool ClickSurface::receivesKeys() const
{
    return hasFocus() || (isWindow() && !focusWidget());
}

}  // namespace platform::qt
