// A top-level window without a frame: its outer size is its client size.
#pragma once

#include "platform/event.h"
#include "platform/picture.h"
#include "platform/units.h"

namespace platform {

// A window that is not loaded is loaded by the first operation on it (created hidden, Load raised
// once). Showing a visible window brings it to the front and activates it.
class Window {
public:
    virtual ~Window() = default;

    virtual Twips left() const = 0;
    virtual Twips top() const = 0;
    virtual Twips width() const = 0;
    virtual Twips height() const = 0;
    virtual void setLeft(Twips left) = 0;
    virtual void setTop(Twips top) = 0;
    virtual void setWidth(Twips width) = 0;
    virtual void setHeight(Twips height) = 0;

    virtual bool loaded() const = 0;
    virtual bool visible() const = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // Closes and destroys the window; a later operation loads it anew. Does nothing if not loaded.
    virtual void unload() = 0;

    // Draws the whole picture stretched into the rectangle of the window's persistent image.
    virtual void paintPicture(const Picture& picture, Twips x, Twips y, Twips width, Twips height) = 0;
    // Puts the persistent image on the screen now.
    virtual void refresh() = 0;

    Event Load;
    Event Click;
    Event DblClick;
    KeyEvent KeyPress;
};

}  // namespace platform
