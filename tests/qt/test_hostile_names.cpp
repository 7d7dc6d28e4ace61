// Awkward file names in a random show: each is listed, its own picture shown once, and the cycle
// ends, which needs the record of names shown to match whole names only.
#include <QString>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "hostile_files.h"
#include "hostile_show.h"

namespace {

using namespace std::string_literals;

class HostileNames : public HostileShow {};

TEST_F(HostileNames, RandomOrderShowsEveryNameOnceThenStops)
{
    // Each name with a picture of a size of its own, so the picture shown tells which file was read.
    std::map<std::string, QSize> sizes;
    for (const std::string& name : {" blank first.jpg"s, "blank last .bmp"s, "  blanks  around  .gif"s,
                                    "new\nline.jpg"s, "caf\xe9 latin-1.jpg"s, "\xff\xfe not utf-8.bmp"s,
                                    std::string(251, 'x') + ".jpg", QString(125, QChar(0xe9)).toStdString() + "x.gif",
                                    "Case.jpg"s, "case.jpg"s, "CASE.JPG"s}) {
        sizes.emplace(name, QSize(16, 10 + static_cast<int>(sizes.size())));
        write(name, hostile::solid(sizes.at(name), Qt::darkGreen, "BMP"));
    }
    openFolder();
    ASSERT_EQ(form.File1.listCount(), static_cast<int>(sizes.size()));
    form.chkRandomPictures.setValue(1);

    std::set<std::string> shown;
    go();
    while (form.state.mPaused == 0 && shown.size() <= sizes.size()) {
        const std::string name = form.File1.fileName();
        SCOPED_TRACE(name);
        EXPECT_TRUE(shown.insert(name).second);
        EXPECT_EQ(shownSize(), sizes.at(name));
        tick();
    }
    EXPECT_EQ(shown.size(), sizes.size());
    EXPECT_TRUE(panelShown());
}

}  // namespace
