// Click on release, double click on the second press; the release ending a double click is no click.
#include "platform/qt/click_surface.h"

#include <QMouseEvent>

#include "platform/qt/raise.h"

namespace platform::qt {

ClickSurface::ClickSurface(QWidget* parent) : QWidget(parent) {}

void ClickSurface::reportClicksTo(const Event& click, const Event& dblClick)
{
    click_ = &click;
    dblClick_ = &dblClick;
}

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

}  // namespace platform::qt
