// Loading, showing and unloading a window on the fake.
#include "fake/fake_window.h"

#include "fake/fake_system.h"

namespace fake {

void FakeWindow::reset()
{
    loaded_ = false;
    visible_ = false;
    enabled_ = true;
    left_ = 0;
    top_ = 0;
    width_ = design_.clientWidth;
    height_ = design_.clientHeight;
    painted_.clear();
    lastShown_ = 0;
}

void FakeWindow::load() const
{
    if (loaded_)
        return;
    loaded_ = true;
    record("load");
    Load.raise();
}

void FakeWindow::show()
{
    act("show");
    visible_ = true;
    lastShown_ = ++shows_;
}

void FakeWindow::unload()
{
    check("unload");
    if (!loaded_)
        return;
    record("unload");
    reset();
}

void FakeWindow::paintPicture(const platform::Picture& picture, platform::Twips x, platform::Twips y,
                              platform::Twips width, platform::Twips height)
{
    act("paintPicture", text(x) + " " + text(y) + " " + text(width) + " " + text(height));
    painted_ = pathOf(&picture);
}

}  // namespace fake
