// The speed bar and the rules among the option boxes.
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "show_fixture.h"

namespace {

using SpeedAndOptions = ShowTest;

TEST_F(SpeedAndOptions, SpeedBarSetsTheIntervalAndSaysItInWholeSeconds)
{
    EXPECT_EQ(f.Label1.caption(), "<---------------Slower    SPEED, 5 sec.     Faster ------------------>");
    EXPECT_EQ(f.Timer1.interval(), 5000);

    const struct {
        int value;
        std::string seconds;
    } rows[] = {{500, " 0"}, {1999, " 1"}, {5000, " 5"}, {20000, " 20"}, {8000, " 8"}};
    for (const auto& row : rows) {
        f.HScroll1.setValue(row.value);
        EXPECT_EQ(f.Timer1.interval(), row.value);
        EXPECT_EQ(f.Label1.caption(),
                  "<--------------Slower    SPEED, " + row.seconds + "Sec  Faster ----------------->");
    }
    EXPECT_TRUE(f.Timer1.enabled());
}

TEST_F(SpeedAndOptions, PlacementBoxesExcludeEachOtherAndNothingElse)
{
    const std::map<std::string, platform::CheckBox*> boxes = {
        {"chkRandomize", &f.chkRandomize}, {"chkLowerRight", &f.chkLowerRight},
        {"chkUpperRight", &f.chkUpperRight}, {"chkRandomPictures", &f.chkRandomPictures},
        {"chkReSize", &f.chkReSize}};
    const auto expectChecked = [&](const std::set<std::string>& checked) {
        for (const auto& [name, box] : boxes)
            EXPECT_EQ(box->value() != 0, checked.count(name) != 0) << name;
    };
    const auto clearAll = [&] {
        for (const auto& [name, box] : boxes)
            box->setValue(0);
    };

    const std::vector<std::string> placement = {"chkRandomize", "chkLowerRight", "chkUpperRight"};
    for (const std::string& first : placement) {
        for (const std::string& second : placement) {
            SCOPED_TRACE(first + " then " + second);
            clearAll();
            boxes.at("chkRandomPictures")->setValue(1);
            boxes.at(first)->setValue(1);
            boxes.at("chkReSize")->setValue(1);
            boxes.at(second)->setValue(2);  // greyed counts as checked
            expectChecked({second, "chkRandomPictures", "chkReSize"});
            boxes.at(second)->setValue(0);
            expectChecked({"chkRandomPictures", "chkReSize"});
        }
    }
}

}  // namespace
