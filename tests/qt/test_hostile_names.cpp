// Awkward file names in a random show: each is listed, its own picture shown once, and the cycle
// ends, which needs the record of names shown to match whole names only.
#include <QColor>
#include <QSize>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "hostile_files.h"
#include "hostile_show.h"

namespace {

class HostileNames : public HostileShow {};

TEST_F(HostileNames, RandomOrderShowsEveryNameOnceThenStops)
{
    std::string accented;
    while (accented.size() < 250)
        accented += "\xc3\xa9";  // é, two bytes
    // Each name with a picture of a size of its own, so the picture shown tells which file was read.
    std::map<std::string, QSize> sizes;
    int height = 10;
    for (const std::string& name :
         {std::string(" blank first.jpg"), std::string("blank last .bmp"), std::string("  blanks  around  .gif"),
          std::string("new\nline.jpg"), std::string("caf\xe9 latin-1.jpg"), std::string("\xff\xfe not utf-8.bmp"),
          std::string(251, 'x') + ".jpg", accented + "x.gif", std::string("Case.jpg"), std::string("case.jpg"),
          std::string("CASE.JPG")}) {
        ASSERT_LE(name.size(), 255u);
        sizes[name] = QSize(16, height++);
        write(name, hostile::solid(sizes[name], Qt::darkGreen, "BMP"));
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
