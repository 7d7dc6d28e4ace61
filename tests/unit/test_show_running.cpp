// What the desktop is told after each event: a show runs only while pictures change with the panel away.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "show_fixture.h"

namespace {

class ShowRunning : public ShowTest {
protected:
    ShowRunning() { openPictures("/pics", {"a.bmp", "b.bmp", "c.bmp"}); }

    // Runs the user's events in order; after each, the session must have last been told `running`.
    void expectSteps(const std::vector<std::pair<std::string, bool>>& steps)
    {
        for (const auto& [event, expected] : steps) {
            run(event);
            const std::vector<bool>& calls = ui.session().calls;
            ASSERT_FALSE(calls.empty()) << "nothing told after " << event;
            EXPECT_EQ(calls.back(), expected) << "after " << event;
        }
    }

    void run(const std::string& event)
    {
        if (event == "Go")
            f.cmdGo.Click.raise();
        else if (event == "click")
            f.Picture1.Click.raise();
        else if (event == "double click")
            doubleClick(f.Picture1);
        else if (event == "Form2 click")
            f.Form2.Click.raise();
        else if (event == "Form2 double click")
            doubleClick(f.Form2);
        else if (event == "tick")
            tick();
        else
            FAIL() << "no such event " << event;
    }
};

TEST_F(ShowRunning, ClicksOnEitherSurfacePauseResumeAndStop)
{
    ASSERT_FALSE(ui.session().calls.empty()) << "start-up told the session nothing";
    EXPECT_FALSE(ui.session().calls.back());
    // A click on the panel's ground before Go starts the show on the timer that already runs.
    expectSteps({{"click", true}, {"tick", true}, {"double click", false}, {"Go", true}, {"click", false},
                 {"tick", false}, {"click", true}, {"double click", false}});
    // After a stop on the display window the timer is off: a click that hides the panel runs nothing.
    expectSteps({{"Go", true}, {"Form2 click", false}, {"Form2 click", true}, {"Form2 double click", false},
                 {"click", false}, {"Go", true}});
}

TEST_F(ShowRunning, EndOfARandomCycleStopsIt)
{
    f.chkRandomPictures.setValue(1);
    ui.random().script({0.1, 0.5, 0.9});
    expectSteps({{"Go", true}, {"tick", true}, {"tick", true}, {"tick", false}});
}

}  // namespace
