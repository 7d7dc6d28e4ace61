// The drive, folder and file lists: which mounts are drives and which files are listed in what order,
// the folder chain, opening and selecting, drive memory, and folders that cannot be read.
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/design.h"
#include "platform/failure.h"
#include "platform/files/drives.h"
#include "platform/files/folder_listing.h"
#include "platform/qt/qt_lists.h"
#include "qt_windows.h"

namespace {

using platform::ControlDesign;
using platform::ControlKind;
using platform::Failure;
using namespace platform::qt;

TEST(Drives, OnlyDisksAndSharesAreDrivesAndTheListRefusesOthers)
{
    const std::string mountInfo = "21 26 0:20 / /proc rw,relatime - proc proc rw\n"
                                  "26 1 0:44 / / rw,relatime - overlay overlay rw,lowerdir=/a:/b\n"
                                  "40 26 8:17 / /media/me/My\\040Stick rw shared:7 - vfat /dev/sdb1 rw\n"
                                  "41 26 7:3 / /snap/core/42 ro - squashfs /dev/loop3 ro\n"
                                  "42 26 8:1 /var/lib/docker/hosts /etc/hosts rw - ext4 /dev/sda1 rw\n"
                                  "43 26 8:2 / /boot/efi rw - vfat /dev/sda2 rw\n"
                                  "44 26 0:50 / /mnt/photos rw - nfs4 nas:/photos rw\n"
                                  "45 26 0:51 / /mnt/over rw - ext4 /dev/sdc1 rw\n"
                                  "46 45 0:52 / /mnt/over rw - tmpfs tmpfs rw\n";
    const auto labelOf = [](const std::string& device) { return device == "/dev/sdb1" ? "HOLIDAY" : ""; };
    const std::vector<Drive> drives = drivesFromMountInfo(mountInfo, labelOf);
    std::vector<std::string> names;
    for (const Drive& drive : drives)
        names.push_back(driveName(drive));
    EXPECT_EQ(names, (std::vector<std::string>{"/", "/media/me/My Stick [HOLIDAY]", "/mnt/photos"}));
    EXPECT_EQ(driveOf("/media/me/My Stick/2024", drives).mountPoint, "/media/me/My Stick");
    EXPECT_EQ(driveOf("/media/me/My Sticky", drives).mountPoint, "/");

    QWidget window;
    QtDriveList list({"Drive1", ControlKind::DriveList, "Form1", 240, 1320, 2175, 315, 4}, &window);
    EXPECT_THROW(list.setDrive("/no/such/drive"), Failure);
    list.setDrive("/");
    EXPECT_EQ(list.drive(), "/");
}

// A folder of the test's own, by its canonical name, and a window for the lists.
class InFolder : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder + "/" + name; }
    void touch(const std::string& name) const { ASSERT_TRUE(std::ofstream(path(name))) << name; }

    QTemporaryDir dir;
    const std::string folder = QFile::encodeName(QFileInfo(dir.path()).canonicalFilePath()).toStdString();
    QWidget window;
};

const ControlDesign kFile1{"File1", ControlKind::FileList, "Form1", 5040, 1320, 2775, 2625, 2, "*.bmp;*.jpg;*.gif"};

class FileList : public InFolder {};

// A link to a picture is listed like the picture itself.
TEST_F(FileList, ListsMatchingFilesSortedLikeAFileManagerAndKeepsItsFolderWhenAPathFails)
{
    for (const char* name :
         {"b.JPG", "a.bmp", "10.gif", "2.jpg", "IMG_0001.JPG", " blank .jpg", ".hidden.jpg", "notes.txt", "jpg"})
        touch(name);
    ASSERT_EQ(::symlink("a.bmp", path("link.gif").c_str()), 0);
    EXPECT_EQ(listFiles(folder, kFile1.text), (std::vector<std::string>{" blank .jpg", "2.jpg", "10.gif", "a.bmp",
                                                                        "b.JPG", "IMG_0001.JPG", "link.gif"}));

    QtFileList list(kFile1, &window);
    list.setPath(folder);
    list.setListIndex(0);
    EXPECT_THROW(list.setPath(path("a.bmp")), Failure);
    EXPECT_EQ(list.path(), folder);
    EXPECT_EQ(list.fileName(), " blank .jpg");
}

class DirList : public InFolder {
protected:
    void SetUp() override
    {
        for (const char* sub : {"a", "a/b", "a/10", "a/2", "a/.hidden"})
            ASSERT_EQ(::mkdir(path(sub).c_str(), 0700), 0);
        touch("a/x.jpg");
        list.Change.connect([this] { ++changes; });
        window.resize(400, 400);
        window.show();
    }

    QTreeWidget* tree() const { return static_cast<QTreeWidget*>(list.widget()); }
    QTreeWidgetItem* item(const QString& text) const
    {
        return tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    }
    void enter(const QString& text) const
    {
        tree()->setCurrentItem(item(text));
        QTest::keyClick(tree(), Qt::Key_Return);
    }

    QtDirList list{{"Dir1", ControlKind::DirList, "Form1", 0, 0, 6000, 6000, 5}, &window};
    int changes = 0;
};

// A folder removed since it was listed cannot be opened and leaves the list as it was.
TEST_F(DirList, ShowsTheChainAndTheSortedSubFoldersAndOpensOneOnADoubleClickOrEnter)
{
    list.setPath(path("a/../a"));
    EXPECT_EQ(list.path(), path("a"));
    QStringList chain;
    for (const QTreeWidgetItem* up = tree()->currentItem(); up != nullptr; up = up->parent())
        chain.prepend(up->text(0));
    EXPECT_EQ(chain.join('/').mid(1), QString::fromStdString(path("a")));
    QStringList children;
    for (int i = 0; i < tree()->currentItem()->childCount(); ++i)
        children.append(tree()->currentItem()->child(i)->text(0));
    EXPECT_EQ(children, (QStringList{"2", "10", "b"}));

    // As the window system delivers a double click: a click, then the double click and a release.
    const QPoint b = tree()->visualItemRect(item("b")).center();
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, b);
    ASSERT_EQ(::rmdir(path("a/10").c_str()), 0);
    enter("10");
    EXPECT_EQ(list.path(), path("a"));
    EXPECT_EQ(changes, 1);

    QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, b);
    QTest::mouseRelease(tree()->viewport(), Qt::LeftButton, {}, b);
    EXPECT_EQ(list.path(), path("a/b"));
    EXPECT_EQ(changes, 2);
    enter("/");
    EXPECT_EQ(list.path(), "/");
    EXPECT_EQ(changes, 3);
}

TEST_F(DirList, ADriveNameGoesBackToTheFolderLastVisitedOnIt)
{
    const Drive drive = driveOf(folder, mountedDrives());
    list.setPath(path("a/10"));
    list.setPath(driveName(drive));
    EXPECT_EQ(list.path(), path("a/10"));
    EXPECT_EQ(changes, 1);

    ASSERT_EQ(::rmdir(path("a/10").c_str()), 0);
    list.setPath(driveName(drive));
    EXPECT_EQ(list.path(), drive.mountPoint);
    EXPECT_EQ(changes, 2);
}

// Opening the open folder again is how a person sees the files added since: the selected file stays
// selected, and the random cycle goes on, since the folder did not change.
TEST_F(InFolder, OpeningTheOpenFolderAgainListsItsFilesAsTheyAreNow)
{
    touch("a.jpg");
    touch("c.jpg");
    QtProgram program;
    Form1& f = program.form;
    f.Dir1.setPath(folder);
    f.File1.setListIndex(1);
    f.state.mShownList = {"a.jpg"};
    touch("b.jpg");

    auto* tree = program.control<QTreeWidget>("Dir1");
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(f.File1.listCount(), 3);
    EXPECT_EQ(f.File1.fileName(), "c.jpg");
    EXPECT_EQ(f.state.mFileIndex, 2);
    EXPECT_EQ(f.state.mShownList, std::set<std::string>{"a.jpg"});
}

}  // namespace
