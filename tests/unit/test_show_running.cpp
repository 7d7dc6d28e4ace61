// What the desktop is told after each event: a show runs only while pictures change with the panel away.
#include <functional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "show_fixture.h"

namespace {

class ShowRunning : public ShowTest {
protected:
    ShowRunning() { openPictures("/pics", {"a.bmp", "b.bmp", "c.bmp"}); }

    // Runs the user's events in order; each must tell the session whether a show now runs.
    void expectSteps(const std::vector<std::pair<std::function<void()>, bool>>& steps)
    {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            ui.session().lastTold.reset();
            steps[i].first();
            EXPECT_EQ(ui.session().lastTold, steps[i].second) << "step " << i;
        }
    }

    const std::function<void()> go = [this] { f.cmdGo.Click.raise(); };
    const std::function<void()> click = [this] { f.Picture1.Click.raise(); };
    const std::function<void()> stop = [this] { doubleClick(f.Picture1); };
    const std::function<void()> form2Click = [this] { f.Form2.Click.raise(); };
    const std::function<void()> form2Stop = [this] { doubleClick(f.Form2); };
    const std::function<void()> interval = [this] { tick(); };
};

TEST_F(ShowRunning, ClicksOnEitherSurfacePauseResumeAndStop)
{
    EXPECT_EQ(ui.session().lastTold, false);
    // A click on the panel's ground before Go starts the show on the timer that already runs.
    expectSteps({{click, true}, {interval, true}, {stop, false}, {go, true}, {click, false}, {interval, false},
                 {click, true}, {stop, false}});
    // After a stop on the display window the timer is off: a click that hides the panel runs nothing.
    expectSteps({{go, true}, {form2Click, false}, {form2Click, true}, {form2Stop, false}, {click, false}, {go, true}});
}

}  // namespace
