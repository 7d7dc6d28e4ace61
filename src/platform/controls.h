// The controls a window holds. Setting a value from code raises the control's event before the
// setter returns, exactly as a user's change would, and setting the value a control already has
// raises nothing (a list index excepted); an operation that cannot be done throws Failure. Every
// click inside a control is the control's, and the user cannot empty a list's selection.
#pragma once

#include <string>

#include "platform/event.h"
#include "platform/picture.h"
#include "platform/units.h"

namespace platform {

class Control {
public:
    virtual ~Control() = default;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
};

class CommandButton : public Control {
public:
    Event Click;
};

class Label : public Control {
public:
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
};

// Value 0 unchecked, 1 checked, 2 greyed; Click is raised whenever the value changes.
class CheckBox : public Control {
public:
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
    Event Click;
};

class TextBox : public Control {
public:
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    Event Change;
    Event GotFocus;
    Event LostFocus;
};

class ScrollBar : public Control {
public:
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
    Event Change;
};

class Timer {
public:
    virtual ~Timer() = default;
    virtual bool enabled() const = 0;
    // Enabling starts a full interval, also when the timer was already running.
    virtual void setEnabled(bool enabled) = 0;
    virtual int interval() const = 0;
    virtual void setInterval(int milliseconds) = 0;
    Event Tick;
};

// Sizes itself to each picture it is given; shows it at its own size from the upper-left corner.
class PictureBox : public Control {
public:
    virtual PicturePtr picture() const = 0;
    virtual void setPicture(PicturePtr picture) = 0;
    virtual Twips width() const = 0;
    virtual Twips height() const = 0;
    virtual void setWidth(Twips width) = 0;
    virtual void setHeight(Twips height) = 0;
    Event Click;
    Event DblClick;
    KeyEvent KeyPress;
};

// The mounted file systems a person would call drives; "/" is the system drive.
class DriveList : public Control {
public:
    // The selected drive as the list names it.
    virtual std::string drive() const = 0;
    virtual void setDrive(const std::string& drive) = 0;
    Event Change;
};

// Lists the chain of folders from the drive's root down to path(), then path()'s sub-folders.
class DirList : public Control {
public:
    virtual std::string path() const = 0;
    // Takes a folder, or a drive as the drive list names it (then the folder last visited on that
    // drive, or its root). Throws Failure when the folder cannot be opened; the list then stays.
    virtual void setPath(const std::string& path) = 0;
    Event Change;
};

// Lists the files of path() that match pattern(); the selection index is -1 when none is selected.
class FileList : public Control {
public:
    virtual std::string path() const = 0;
    virtual void setPath(const std::string& path) = 0;
    virtual std::string pattern() const = 0;
    virtual int listCount() const = 0;
    virtual int listIndex() const = 0;
    // -1 clears the selection; anything else outside the list throws Failure. Click is raised on
    // every successful assignment, also of the index already selected.
    virtual void setListIndex(int index) = 0;
    // The selected entry's name exactly as listed, or "" when none is selected.
    virtual std::string fileName() const = 0;
    // The name of any entry, without selecting it; throws Failure outside the list.
    virtual std::string entry(int index) const = 0;
    Event Click;
    Event PathChange;
};

}  // namespace platform
