// The blackout window: loaded screen-sized and disabled behind the panel.
#include <gmock/gmock.h>

#include "show_fixture.h"

namespace {

using ::testing::ElementsAre;

using Blackout = ShowTest;

TEST_F(Blackout, CoversTheScreenBehindForm1AndMeasuresItAgainAfterClearing)
{
    for (const float width : {12000.0f, 16000.0f}) {
        ui.screen().width_ = width;
        f.chkBlackOut.setValue(1);
        EXPECT_THAT(ui.frontToBack(), ElementsAre("Form1", "Form3"));
        EXPECT_EQ(f.Form3.left(), 0);
        EXPECT_EQ(f.Form3.top(), 0);
        EXPECT_EQ(f.Form3.width(), width);
        EXPECT_EQ(f.Form3.height(), 9000);
        EXPECT_FALSE(f.Form3.enabled());

        f.chkBlackOut.setValue(0);
        EXPECT_FALSE(f.Form3.loaded());
    }
}

}  // namespace
