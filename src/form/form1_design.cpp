// The main window's design values, in the controls' creation order.
#include "form/form1_design.h"

#include <string>

namespace form {

namespace {

using platform::ControlDesign;
using platform::ControlKind;

// The small face the panel was laid out in, and the large one of Go.
const std::string kFace = "MS Sans Serif";

const std::string kInstructions =
    "Instructions: Use the Drive, Directory, and File List boxes to locate the files that you "
    "wish to use in your slide show. Select your options, and press the Go button. To pause the "
    "slide show, click on the picture. To resume click again. To pause and display the controls, "
    "double click on the picture.";

platform::WindowDesign makeDesign()
{
    platform::WindowDesign w{"Form1", "Pixora By Tavren", 8190, 5565, true, false};
    w.fontName = kFace;
    w.fontPoints = 8;

    ControlDesign speedBar{"HScroll1", ControlKind::ScrollBar, "Form1", 240, 4440, 4335, 255, 7};
    speedBar.value = 5000;
    speedBar.min = 20000;
    speedBar.max = 500;
    speedBar.smallChange = 500;
    speedBar.largeChange = 1000;

    ControlDesign go{"cmdGo", ControlKind::CommandButton, "Form1", 240, 1800, 2175, 855, 6, "Go"};
    go.fontName = kFace;
    go.fontPoints = 18;

    ControlDesign timer{"Timer1", ControlKind::Timer, "Form1"};
    timer.value = 5000;

    w.controls = {
        speedBar,
        go,
        {"Dir1", ControlKind::DirList, "Form1", 2520, 1320, 2415, 2565, 5},
        {"Drive1", ControlKind::DriveList, "Form1", 240, 1320, 2175, 315, 4},
        {"Text1", ControlKind::TextBox, "Form1", 240, 720, 1935, 375, 3},
        {"File1", ControlKind::FileList, "Form1", 5040, 1320, 2775, 2625, 2, "*.bmp;*.jpg;*.gif"},
        {"cmdExit", ControlKind::CommandButton, "Form1", 240, 240, 1935, 495, 1, "E&xit"},
        timer,
        {"Picture1", ControlKind::PictureBox, "Form1", 0, 0, kPanelWidth, kPanelHeight, 0},
        {"cmdResetRandomCycle", ControlKind::CommandButton, "Picture1", 240, 3360, 2175, 375, 17,
         "Reset Random Cycle"},
        {"chkRandomPictures", ControlKind::CheckBox, "Picture1", 240, 3000, 2295, 255, 16,
         "Randomly Select Pictures"},
        {"chkBlackOut", ControlKind::CheckBox, "Picture1", 4680, 5040, 2655, 255, 14, "Blackout Screen"},
        {"chkReSize", ControlKind::CheckBox, "Picture1", 4680, 4800, 3135, 255, 12,
         "Re-Size to fit screen"},
        {"chkUpperRight", ControlKind::CheckBox, "Picture1", 4680, 4560, 3135, 255, 11,
         "Lower Right of screen"},
        {"chkLowerRight", ControlKind::CheckBox, "Picture1", 4680, 4320, 3135, 255, 10,
         "Upper Left of screen"},
        {"chkRandomize", ControlKind::CheckBox, "Picture1", 4680, 4080, 3135, 255, 9,
         "Random ( Screen Saver )"},
        {"Label3", ControlKind::Label, "Picture1", 240, 1080, 7575, 255, 15,
         "Drive:" + std::string(42, ' ') + "Directory:" + std::string(41, ' ') + "File:"},
        {"Label2", ControlKind::Label, "Picture1", 2280, 120, 5535, 1095, 13, kInstructions},
        {"Label1", ControlKind::Label, "Picture1", 240, 4200, 4335, 255, 8,
         "<" + std::string(15, '-') + "Slower    SPEED, 5 sec.     Faster " + std::string(18, '-') + ">"},
    };
    return w;
}

}  // namespace

const platform::WindowDesign& form1Design()
{
    static const platform::WindowDesign design = makeDesign();
    return design;
}

}  // namespace form
