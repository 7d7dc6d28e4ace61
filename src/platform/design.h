// Design values of windows and controls: data the platform builds its widgets from.
#pragma once

#include <string>
#include <vector>

#include "platform/units.h"

namespace platform {

enum class ControlKind {
    ScrollBar,
    CommandButton,
    DirList,
    DriveList,
    TextBox,
    FileList,
    Timer,
    PictureBox,
    CheckBox,
    Label,
};

struct ControlDesign {
    std::string name;
    ControlKind kind;
    std::string container;  // the window's name, or the name of a picture box on it
    Twips left = 0, top = 0, width = 0, height = 0;
    int tabIndex = -1;      // -1: takes no focus
    std::string text = {};  // caption, label text, or a file list's pattern
    std::string fontName = {};
    int fontPoints = 0;  // 0: the window's default font
    // Scroll bar: value and its ends and steps; timer: value is the interval in milliseconds.
    int value = 0, min = 0, max = 0, smallChange = 0, largeChange = 0;
};

struct WindowDesign {
    std::string name;
    std::string caption;
    Twips clientWidth = 0, clientHeight = 0;
    bool icon = false;
    bool black = false;  // a black background whatever the desktop's colour scheme
    std::vector<ControlDesign> controls = {};  // in creation order
    // The face the window and its controls are laid out in; empty: the desktop's.
    std::string fontName = {};
    int fontPoints = 0;
};

}  // namespace platform
