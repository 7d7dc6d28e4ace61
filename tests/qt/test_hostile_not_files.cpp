// Entries that are not files (a pipe, a device, a folder, a dangling link) in a running show: never
// listed, and never read when they take a listed picture's place.
#include <sys/stat.h>
#include <unistd.h>

#include <QColor>
#include <QSize>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "hostile_files.h"
#include "hostile_show.h"

namespace {

class NotFiles : public HostileShow {
protected:
    // Each of the four kinds, made at the given path.
    std::vector<std::pair<std::string, std::function<int(const std::string&)>>> kinds() const
    {
        return {
            {"w.jpg", [](const std::string& at) { return ::symlink("gone.jpg", at.c_str()); }},
            {"x.jpg", [](const std::string& at) { return ::mkfifo(at.c_str(), 0600); }},
            {"y.gif", [](const std::string& at) { return ::mkdir(at.c_str(), 0700); }},
            {"z.bmp", [](const std::string& at) { return ::symlink("/dev/zero", at.c_str()); }},
        };
    }
};

TEST_F(NotFiles, AreLeftOutOfTheList)
{
    write("a.jpg", hostile::solid(QSize(30, 20), Qt::red, "JPEG"));
    write("b.bmp", hostile::solid(QSize(40, 20), Qt::red, "BMP"));
    for (const auto& [name, make] : kinds())
        ASSERT_EQ(make(path(name)), 0) << name;
    openFolder();

    ASSERT_EQ(form.File1.listCount(), 2);
    EXPECT_EQ(form.File1.entry(0), "a.jpg");
    EXPECT_EQ(form.File1.entry(1), "b.bmp");
}

TEST_F(NotFiles, TakingAListedPicturesPlaceAreSkippedWithoutBlockingTheTick)
{
    write("a.jpg", hostile::solid(QSize(30, 20), Qt::red, "JPEG"));
    int height = 10;
    for (const auto& [name, make] : kinds())
        write(name, hostile::solid(QSize(10, height++), Qt::blue, "BMP"));
    openFolder();
    ASSERT_EQ(form.File1.listCount(), 5);
    form.File1.setListIndex(0);
    go();
    ASSERT_EQ(shownSize(), QSize(30, 20));

    for (const auto& [name, make] : kinds()) {
        ASSERT_EQ(::unlink(path(name).c_str()), 0) << name;
        ASSERT_EQ(make(path(name)), 0) << name;
    }
    for (const auto& [name, make] : kinds()) {
        tick();
        EXPECT_EQ(form.File1.fileName(), name);
        EXPECT_EQ(shownSize(), QSize(30, 20)) << name;
    }
    EXPECT_EQ(form.state.mFileIndex, 0);
    EXPECT_EQ(form.state.gShownCount, 5);
    tick();
    EXPECT_EQ(form.File1.fileName(), "a.jpg");
    stop();
    EXPECT_TRUE(panelShown());
}

}  // namespace
