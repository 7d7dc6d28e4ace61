// Picture1 pauses through mPaused and keeps the timer running; Form2 switches the timer itself.
// Both double clicks bring the panel back with the position text.
#include "display/pause_resume_stop.h"

#include <algorithm>
#include <string>

#include "panel/form1.h"
#include "panel/signed_text.h"
#include "panel/visibility.h"

namespace {

constexpr float kPanelWidth = 8175;
constexpr float kPanelHeight = 5535;

std::string positionText(Form1& f)
{
    const long long n = f.chkRandomPictures.value() != 0 ? f.state.gShownCount : f.File1.listIndex();
    return "File " + panel::signedText(n) + " OF " + panel::signedText(f.File1.listCount());
}

// Each dimension grows to the panel's design size on its own, and only when it is too small.
void ensurePanelSize(Form1& f)
{
    if (f.Me.width() < kPanelWidth) {
        f.Me.setWidth(kPanelWidth);
        f.Picture1.setWidth(kPanelWidth);
    }
    if (f.Me.height() < kPanelHeight) {
        f.Me.setHeight(kPanelHeight);
        f.Picture1.setHeight(kPanelHeight);
    }
}

// The controls stand in the window's upper-left corner, which a picture larger than the screen, or
// one placed at its lower right, leaves off the screen: the window moves just enough to bring them
// back onto it.
void keepPanelOnScreen(Form1& f)
{
    const auto onScreen = [](float at, float screen, float panel) {
        return std::clamp(at, 0.0f, std::max(0.0f, screen - panel));
    };
    const float left = onScreen(f.Me.left(), f.Screen.width(), kPanelWidth);
    const float top = onScreen(f.Me.top(), f.Screen.height(), kPanelHeight);
    if (left != f.Me.left())
        f.Me.setLeft(left);
    if (top != f.Me.top())
        f.Me.setTop(top);
}

}  // namespace

void Picture1_Click(Form1& f)
{
    f.state.mPaused = f.state.mPaused == 0 ? 1 : 0;
    panel::setVisible({&f.cmdExit, &f.Dir1, &f.Drive1, &f.File1, &f.cmdGo, &f.cmdResetRandomCycle, &f.Text1,
                       &f.Label1, &f.Label2, &f.Label3, &f.chkRandomPictures, &f.HScroll1, &f.chkRandomize,
                       &f.chkLowerRight, &f.chkUpperRight, &f.chkReSize, &f.chkBlackOut},
                      false);
}

void Picture1_DblClick(Form1& f)
{
    f.cmdExit.setVisible(true);
    f.Text1.setText(positionText(f));
    panel::setVisible({&f.Text1, &f.Dir1, &f.Drive1, &f.File1, &f.cmdGo, &f.cmdResetRandomCycle, &f.chkRandomize,
                       &f.chkLowerRight, &f.chkReSize, &f.chkBlackOut},
                      true);
    ensurePanelSize(f);
    keepPanelOnScreen(f);
    panel::setVisible({&f.Label1, &f.Label2, &f.Label3, &f.chkRandomPictures, &f.HScroll1, &f.chkUpperRight}, true);
    f.state.mPaused = 1;
}

namespace form2 {

void Form_Click(Form1& f)
{
    f.Timer1.setEnabled(!f.Timer1.enabled());
}

void Form_DblClick(Form1& f)
{
    f.Timer1.setEnabled(false);
    f.cmdExit.setVisible(true);
    f.Text1.setText(positionText(f));
    panel::setVisible({&f.Text1, &f.Dir1, &f.Drive1, &f.File1, &f.cmdGo, &f.cmdResetRandomCycle, &f.chkRandomize,
                       &f.chkLowerRight, &f.chkReSize, &f.chkBlackOut, &f.Label1, &f.Label2, &f.Label3,
                       &f.chkRandomPictures, &f.HScroll1, &f.chkUpperRight},
                      true);
    ensurePanelSize(f);
    keepPanelOnScreen(f);
    f.Me.show();
    f.Form2.hide();
}

}  // namespace form2
