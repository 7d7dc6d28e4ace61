// A folder of fifty thousand pictures, started from a number typed near its end: shown up to its
// last entry, then round to its first.
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "hostile_files.h"
#include "hostile_show.h"

namespace {

class BigFolder : public HostileShow {};

TEST_F(BigFolder, ShowsTheEntriesNearItsEndInOrderAndCountsThemAll)
{
    constexpr int kCount = 50000;
    const auto name = [](int i) { return "f" + std::to_string(i) + ".jpg"; };
    // Links to one tiny picture, but for the last two, whose sizes tell them from any other entry.
    write("f0.jpg", hostile::solid(QSize(2, 2), Qt::red, "JPEG"));
    for (int i = 1; i < kCount - 2; ++i)
        ASSERT_EQ(::link(path("f0.jpg").c_str(), path(name(i)).c_str()), 0) << name(i);
    write(name(kCount - 2), hostile::solid(QSize(20, 10), Qt::red, "JPEG"));
    write(name(kCount - 1), hostile::solid(QSize(20, 11), Qt::red, "JPEG"));
    openFolder();
    ASSERT_EQ(form.File1.listCount(), kCount);

    form.Text1.GotFocus.raise();
    form.Text1.setText("49998");
    form.Text1.LostFocus.raise();
    go();
    EXPECT_EQ(form.File1.fileName(), name(kCount - 2));
    EXPECT_EQ(shownSize(), QSize(20, 10));
    tick();
    EXPECT_EQ(shownSize(), QSize(20, 11));
    stop();
    EXPECT_NE(form.Text1.text().find("49999"), std::string::npos) << form.Text1.text();
    EXPECT_NE(form.Text1.text().find("50000"), std::string::npos) << form.Text1.text();

    go();
    EXPECT_EQ(form.File1.fileName(), "f0.jpg");
    EXPECT_EQ(shownSize(), QSize(2, 2));
    EXPECT_EQ(form.state.gShownCount, 3);
}

}  // namespace
