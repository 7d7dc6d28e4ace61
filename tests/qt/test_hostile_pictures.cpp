// Awkward picture files in a running show, and entries that are not files put where listed pictures
// were: each one shows or is skipped without blocking the tick, and the show goes on.
#include <sys/stat.h>
#include <unistd.h>

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "hostile_files.h"
#include "hostile_show.h"
#include "platform/qt/qt_picture.h"

namespace {

// Codecs and resampling leave colours within a small rounding of what was stored.
int distance(QColor a, QColor b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

class HostilePictures : public HostileShow {};

TEST_F(HostilePictures, EachShowsOrIsSkippedKeepingThePreviousOneWhileTheShowGoesOn)
{
    std::vector<hostile::Entry> list = hostile::entries();
    const std::vector<std::pair<std::string, std::function<int(const char*)>>> notFiles = {
        {"15 vanished.jpg", [](const char*) { return 0; }},
        {"16 dangling.jpg", [](const char* at) { return ::symlink("gone.jpg", at); }},
        {"17 pipe.jpg", [](const char* at) { return ::mkfifo(at, 0600); }},
        {"18 folder.gif", [](const char* at) { return ::mkdir(at, 0700); }},
        {"19 device.bmp", [](const char* at) { return ::symlink("/dev/zero", at); }},
    };
    for (const hostile::Entry& entry : list)
        write(entry.name, entry.bytes);
    for (const auto& [name, make] : notFiles) {
        write(name, hostile::solid(QSize(10, 10), Qt::blue, "BMP"));
        list.push_back({name, {}});
    }
    openFolder();
    const int count = form.File1.listCount();
    ASSERT_EQ(count, static_cast<int>(list.size()));
    for (const auto& [name, make] : notFiles) {
        ASSERT_EQ(::unlink(path(name).c_str()), 0) << name;
        ASSERT_EQ(make(path(name).c_str()), 0) << name;
    }
    const long long peakBefore = statusKilobytes("VmPeak");

    for (const int fitted : {0, 1}) {
        SCOPED_TRACE(fitted ? "fitted onto the display window" : "on the main window");
        form.chkReSize.setValue(fitted);
        form.File1.setListIndex(0);
        go();
        const hostile::Entry* showing = nullptr;
        for (int i = 0; i < count; ++i) {
            const hostile::Entry& entry = list[static_cast<std::size_t>(i)];
            SCOPED_TRACE(entry.name);
            if (i > 0)
                tick();
            if (entry.shows.isValid())
                showing = &entry;
            EXPECT_EQ(form.File1.fileName(), entry.name);
            EXPECT_EQ(form.state.gShownCount, i + 1);
            ASSERT_EQ(shownSize(), showing->shows);
            const auto picture = std::dynamic_pointer_cast<const platform::qt::QtPicture>(form.Picture1.picture());
            ASSERT_TRUE(picture);
            const QImage shown = picture->image(picture->pixelSize());
            if (showing->top.isValid()) {
                EXPECT_LT(distance(shown.pixelColor(0, 0), showing->top), 24);
            }
            EXPECT_LT(distance(shown.pixelColor(0, shown.height() - 1), showing->bottom), 24);
        }
        EXPECT_EQ(form.Form2.visible(), fitted == 1);
        stop();
        EXPECT_TRUE(panelShown());
    }
    // 65535 x 65535 pixels take 16 GB: a peak grown by a gigabyte means such pixels were asked for.
    EXPECT_LT(statusKilobytes("VmPeak") - peakBefore, 1024LL * 1024);

    // Listed again, the folder leaves out what is not a file.
    openFolder();
    EXPECT_EQ(form.File1.listCount(), count - 5);
}

}  // namespace
