// Picture1 pauses through mPaused and keeps the timer running; Form2 switches the timer itself.
// Both double clicks bring the panel back with the position text.
#include "display/pause_resume_stop.h"

#include <algorithm>
#include <string>

#include "form/form1.h"
#include "form/form1_design.h"
#include "form/signed_text.h"
#include "form/visibility.h"

namespace {

using form::kPanelHeight;
using form::kPanelWidth;

std::string positionText(Form1& f)
{
    const long long n = f.chkRandomPictures.value() != 0 ? f.state.gShownCount : f.File1.listIndex();
    return "File " + form::signedText(n) + " OF " + form::signedText(f.File1.listCount());
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
    const auto onScreen = [](float at, float start, float size, float panel) {
        return std::clamp(at, start, std::max(start, start + size - panel));
    };
    const platform::Area screen = f.Screen.workArea();
    const float left = onScreen(f.Me.left(), screen.left, screen.width, kPanelWidth);
    const float top = onScreen(f.Me.top(), screen.top, screen.height, kPanelHeight);
    if (left != f.Me.left())
        f.Me.setLeft(left);
    if (top != f.Me.top())
        f.Me.setTop(top);
}

}  // namespace

void Picture1_Click(Form1& f)
{
    f.state.mPaused = f.state.mPaused == 0 ? 1 : 0;
    form::setVisible(form::hiddenByPictureClick(f), false);
}

void Picture1_DblClick(Form1& f)
{
    f.cmdExit.setVisible(true);
    f.Text1.setText(positionText(f));
    form::setVisible(form::shownByStopFirst(f), true);
    ensurePanelSize(f);
    keepPanelOnScreen(f);
    form::setVisible(form::shownByStopThen(f), true);
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
    form::setVisible(form::shownByStopFirst(f), true);
    form::setVisible(form::shownByStopThen(f), true);
    ensurePanelSize(f);
    keepPanelOnScreen(f);
    f.Me.show();
    f.Form2.hide();
}

}  // namespace form2
