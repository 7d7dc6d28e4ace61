// The disk changing under a running show: pictures and whole folders that go away after listing.
#include <stdio.h>
#include <unistd.h>

#include <QColor>
#include <QSize>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "hostile_files.h"
#include "hostile_show.h"

namespace {

class DiskChanges : public HostileShow {
protected:
    // a.jpg, b.jpg and c.jpg, told apart by their heights, listed and shown from the first.
    void startOnThreePictures()
    {
        std::filesystem::create_directory(folder);
        for (const auto& [name, height] : {std::pair{"a.jpg", 10}, {"b.jpg", 11}, {"c.jpg", 12}})
            write(name, hostile::solid(QSize(20, height), Qt::red, "JPEG"));
        openFolder();
        form.File1.setListIndex(0);
        go();
        ASSERT_EQ(shownSize(), QSize(20, 10));
    }
};

TEST_F(DiskChanges, APictureDeletedAfterListingIsSkipped)
{
    startOnThreePictures();
    ASSERT_EQ(::unlink(path("b.jpg").c_str()), 0);
    tick();
    EXPECT_EQ(shownSize(), QSize(20, 10));
    EXPECT_EQ(form.state.mFileIndex, 2);
    tick();
    EXPECT_EQ(shownSize(), QSize(20, 12));
    EXPECT_EQ(form.state.mFileIndex, 0);
}

TEST_F(DiskChanges, TheShowGoesOnAndStopsWhenItsFolderGoesAway)
{
    const std::vector<std::pair<std::string, std::function<void()>>> ways = {
        {"deleted", [this] { std::filesystem::remove_all(folder); }},
        {"renamed", [this] { std::filesystem::rename(folder, root + "/renamed"); }},
        // An unmounted drive leaves its mount point behind, empty.
        {"emptied", [this] {
             for (const auto& entry : std::filesystem::directory_iterator(folder))
                 std::filesystem::remove(entry.path());
         }},
    };
    for (const auto& [way, goAway] : ways) {
        SCOPED_TRACE(way);
        startOnThreePictures();
        goAway();
        for (int i = 1; i <= 4; ++i) {
            tick();
            EXPECT_EQ(shownSize(), QSize(20, 10));
            EXPECT_EQ(form.state.mFileIndex, (i + 1) % 3);
            EXPECT_EQ(form.state.gShownCount, i + 1);
        }
        stop();
        EXPECT_TRUE(panelShown());
        EXPECT_EQ(form.Text1.text().rfind("File ", 0), 0u) << form.Text1.text();

        form.chkRandomPictures.setValue(1);
        go();
        for (int i = 0; i < 4 && form.state.mPaused == 0; ++i)
            tick();
        EXPECT_EQ(form.state.mPaused, 1) << "the random cycle over the vanished files did not end";
        EXPECT_TRUE(panelShown());
        form.chkRandomPictures.setValue(0);
        std::filesystem::remove_all(root + "/renamed");
        std::filesystem::remove_all(folder);
    }
}

}  // namespace
