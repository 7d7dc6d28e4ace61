// The file list: which entries of a folder it lists and in what order, its selection and its folder.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/design.h"
#include "platform/failure.h"
#include "platform/qt/folder_listing.h"
#include "platform/qt/qt_lists.h"

namespace {

using platform::ControlDesign;
using platform::ControlKind;
using platform::Failure;
using platform::qt::QtFileList;

const ControlDesign kFile1{"File1", ControlKind::FileList, "Form1", 5040, 1320, 2775, 2625, 2, "*.bmp;*.jpg;*.gif"};

class FileList : public ::testing::Test {
protected:
    std::string folder() const { return QFile::encodeName(dir.path()).toStdString(); }
    std::string path(const std::string& name) const { return folder() + "/" + name; }

    void touch(const std::string& name) const
    {
        const int fd = ::open(path(name).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0) << name;
        ::close(fd);
    }

    QTemporaryDir dir;
    QWidget window;
};

TEST_F(FileList, ListsMatchingRegularFilesIgnoringCaseSortedLikeAFileManager)
{
    for (const char* name : {"b.JPG", "a.bmp", "10.gif", "2.jpg", "IMG_0001.JPG", " blank .jpg", "caf\xe9.jpg",
                             ".hidden.jpg", "notes.txt", "x.jpeg", "jpg"})
        touch(name);
    ASSERT_EQ(::mkdir(path("folder.jpg").c_str(), 0700), 0);
    ASSERT_EQ(::symlink("a.bmp", path("link.gif").c_str()), 0);
    ASSERT_EQ(::symlink("folder.jpg", path("folder link.gif").c_str()), 0);

    const std::vector<std::string> expected = {" blank .jpg",  "2.jpg",        "10.gif",  "a.bmp",
                                               "b.JPG",        "caf\xe9.jpg", "IMG_0001.JPG", "link.gif"};
    EXPECT_EQ(platform::qt::listFiles(folder(), kFile1.text), expected);
    // The temporary folder removes its entries by Unicode names, which this one has not.
    ::unlink(path("caf\xe9.jpg").c_str());
}

TEST_F(FileList, StartsOnTheCurrentFolderClicksOncePerIndexAndKeepsItsFolderOverAnUnreadableOne)
{
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
        touch(name);
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QtFileList list(kFile1, &window);
    QDir::setCurrent(before);
    int clicks = 0;
    int pathChanges = 0;
    list.Click.connect([&clicks] { ++clicks; });
    list.PathChange.connect([&pathChanges] { ++pathChanges; });
    EXPECT_EQ(list.path(), platform::qt::canonicalFolder(folder()));
    EXPECT_EQ(list.listCount(), 3);
    EXPECT_EQ(list.listIndex(), -1);

    list.setListIndex(1);
    list.setListIndex(1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list.fileName(), "b.jpg");
    EXPECT_THROW(list.setListIndex(3), Failure);
    EXPECT_THROW(list.setListIndex(-2), Failure);
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(clicks, 2);
    list.setListIndex(-1);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(list.fileName(), "");
    EXPECT_EQ(list.entry(2), "c.jpg");
    EXPECT_THROW(list.entry(3), Failure);

    list.setPath(folder());
    list.setListIndex(0);
    EXPECT_EQ(pathChanges, 1);
    const std::string removed = path("removed");
    ASSERT_EQ(::mkdir(removed.c_str(), 0700), 0);
    ASSERT_EQ(::rmdir(removed.c_str()), 0);
    EXPECT_THROW(list.setPath(removed), Failure);
    EXPECT_THROW(list.setPath(path("a.jpg")), Failure);
    EXPECT_EQ(pathChanges, 1);
    EXPECT_EQ(list.path(), platform::qt::canonicalFolder(folder()));
    EXPECT_EQ(list.fileName(), "a.jpg");
}

}  // namespace
