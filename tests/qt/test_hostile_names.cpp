// Awkward file names in a running show: each is listed and its picture shown, in either order.
#include <QColor>
#include <QSize>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "hostile_files.h"
#include "hostile_show.h"

namespace {

// Each name with a picture of a size of its own, so the picture shown tells which file was read.
std::map<std::string, QSize> names()
{
    std::string accented;
    while (accented.size() < 250)
        accented += "\xc3\xa9";  // é, two bytes
    const std::string longest[] = {std::string(251, 'x') + ".jpg", accented + "x.gif"};
    std::map<std::string, QSize> sizes;
    int height = 10;
    for (const std::string& name : {std::string(" blank first.jpg"), std::string("blank last .bmp"),
                                    std::string("  blanks  around  .gif"), std::string("new\nline.jpg"),
                                    std::string("caf\xe9 latin-1.jpg"), std::string("\xff\xfe not utf-8.bmp"),
                                    longest[0], longest[1], std::string("Case.jpg"), std::string("case.jpg"),
                                    std::string("CASE.JPG")})
        sizes[name] = QSize(16, height++);
    return sizes;
}

class HostileNames : public HostileShow {
protected:
    void writeAll(const std::map<std::string, QSize>& sizes)
    {
        for (const auto& [name, size] : sizes) {
            ASSERT_LE(name.size(), 255u);
            const std::string extension = name.substr(name.size() - 3);
            write(name, extension == "gif" ? hostile::gif(size, {Qt::darkGreen})
                                           : hostile::solid(size, Qt::darkGreen, extension == "bmp" ? "BMP" : "JPEG"));
        }
    }
};

TEST_F(HostileNames, EveryNameIsListedAndShownInListOrder)
{
    const std::map<std::string, QSize> sizes = names();
    writeAll(sizes);
    openFolder();
    ASSERT_EQ(form.File1.listCount(), static_cast<int>(sizes.size()));

    std::set<std::string> listed;
    form.File1.setListIndex(0);
    for (int i = 0; i < form.File1.listCount(); ++i) {
        if (i == 0)
            go();
        else
            tick();
        const std::string name = form.File1.fileName();
        SCOPED_TRACE(name);
        EXPECT_EQ(form.File1.listIndex(), i);
        ASSERT_EQ(sizes.count(name), 1u);
        EXPECT_EQ(shownSize(), sizes.at(name));
        listed.insert(name);
    }
    EXPECT_EQ(listed.size(), sizes.size());
}

TEST_F(HostileNames, RandomOrderShowsEveryNameOnceThenStops)
{
    const std::map<std::string, QSize> sizes = names();
    writeAll(sizes);
    openFolder();
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
