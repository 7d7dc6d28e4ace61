// A running show whose folder goes away after listing: the show goes on over the files it can no
// longer read, and stops as it always does.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "hostile_files.h"
#include "hostile_show.h"

namespace {

class DiskChanges : public HostileShow {};

TEST_F(DiskChanges, TheShowGoesOnAndStopsWhenItsFolderGoesAway)
{
    // A renamed folder is gone just as a deleted one is; an unmounted drive leaves its mount point
    // behind, empty.
    for (const bool emptied : {false, true}) {
        SCOPED_TRACE(emptied ? "emptied" : "deleted");
        std::filesystem::create_directory(folder);
        for (const int height : {10, 11, 12})
            write("f" + std::to_string(height) + ".jpg", hostile::solid(QSize(20, height), Qt::red, "JPEG"));
        openFolder();
        form.File1.setListIndex(0);
        go();
        ASSERT_EQ(shownSize(), QSize(20, 10));

        std::filesystem::remove_all(folder);
        if (emptied)
            std::filesystem::create_directory(folder);
        for (int i = 1; i <= 4; ++i) {
            tick();
            EXPECT_EQ(shownSize(), QSize(20, 10));
            EXPECT_EQ(form.state.mFileIndex, (i + 1) % 3);
        }
        stop();
        EXPECT_TRUE(panelShown());

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
