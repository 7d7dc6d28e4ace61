// A running show whose folder goes away after listing: the show goes on over the files it can no
// longer read, and stops as it always does.
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

class DiskChanges : public HostileShow {};

TEST_F(DiskChanges, TheShowGoesOnAndStopsWhenItsFolderGoesAway)
{
    // A renamed folder is gone just as a deleted one is; an unmounted drive leaves its mount point
    // behind, empty.
    const std::vector<std::pair<std::string, std::function<void()>>> ways = {
        {"deleted", [this] { std::filesystem::remove_all(folder); }},
        {"emptied", [this] {
             for (const auto& entry : std::filesystem::directory_iterator(folder))
                 std::filesystem::remove(entry.path());
         }},
    };
    for (const auto& [way, goAway] : ways) {
        SCOPED_TRACE(way);
        std::filesystem::create_directory(folder);
        for (const auto& [name, height] : {std::pair{"a.jpg", 10}, {"b.jpg", 11}, {"c.jpg", 12}})
            write(name, hostile::solid(QSize(20, height), Qt::red, "JPEG"));
        openFolder();
        form.File1.setListIndex(0);
        go();
        ASSERT_EQ(shownSize(), QSize(20, 10));

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
    }
}

}  // namespace
