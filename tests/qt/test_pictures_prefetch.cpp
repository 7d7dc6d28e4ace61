// Pictures decoded ahead: handed over only for the very file and size asked for, dropped otherwise.
#include <fcntl.h>
#include <poll.h>
#include <stdio.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/qt/decode_worker.h"
#include "platform/qt/decoded_picture.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_picture_loader.h"

namespace {

using platform::qt::DecodeWorker;
using platform::qt::QtPicture;

// Every colour gives a file of the same length.
QByteArray bitmap(QColor colour)
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(colour);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return buffer.data();
}

// Tells when a file has been read to its end and closed: a decode made ahead is then complete.
class ClosedAfterReading {
public:
    explicit ClosedAfterReading(const std::string& path) : fd_(::inotify_init1(IN_CLOEXEC))
    {
        ::inotify_add_watch(fd_, path.c_str(), IN_CLOSE_NOWRITE);
    }
    ~ClosedAfterReading() { ::close(fd_); }
    ClosedAfterReading(const ClosedAfterReading&) = delete;
    ClosedAfterReading& operator=(const ClosedAfterReading&) = delete;

    // A bound on waiting for a broken worker, not a measure of speed.
    bool happened() const
    {
        pollfd ready{fd_, POLLIN, 0};
        return ::poll(&ready, 1, 20000) == 1;
    }

private:
    int fd_;
};

class PicturePrefetch : public ::testing::Test {
protected:
    std::string write(const QString& name, QColor colour) const
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bitmap(colour));
        return QFile::encodeName(dir.filePath(name)).toStdString();
    }

    // New pixels in the same file, of the same length and with the same time, as if untouched.
    void rewriteUnnoticed(const std::string& path, QColor colour) const
    {
        struct stat before {};
        ASSERT_EQ(::stat(path.c_str(), &before), 0);
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.write(bitmap(colour));
        file.close();
        const timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }

    // Starts a decode ahead and waits until the worker has read all of the file.
    static void aheadCompletely(const std::string& path, const std::function<void()>& start)
    {
        const ClosedAfterReading closed(path);
        start();
        ASSERT_TRUE(closed.happened());
    }

    void aheadCompletely(const std::string& path)
    {
        aheadCompletely(path, [&] { loader.prefetch(path); });
    }

    static QColor colourOf(const std::shared_ptr<const QtPicture>& picture)
    {
        return picture ? QColor(picture->image(picture->pixelSize()).pixel(0, 0)) : QColor();
    }

    QColor colourLoaded(const std::string& path)
    {
        return colourOf(std::dynamic_pointer_cast<const QtPicture>(loader.load(path)));
    }

    QTemporaryDir dir;
    platform::qt::QtPictureLoader loader;
};

TEST_F(PicturePrefetch, DecodeMadeAheadServesOnlyTheVersionOfTheFileItWasMadeFrom)
{
    const std::string path = write("a.bmp", Qt::red);
    aheadCompletely(path);
    rewriteUnnoticed(path, Qt::green);
    EXPECT_EQ(colourLoaded(path), QColor(Qt::red)) << "the decode made ahead was not used";

    // Replaced as a saving program replaces a file: a new file renamed over the old one.
    aheadCompletely(path);
    ASSERT_EQ(::rename(write("new.bmp", Qt::blue).c_str(), path.c_str()), 0);
    EXPECT_EQ(colourLoaded(path), QColor(Qt::blue));
}

TEST_F(PicturePrefetch, DecodeAheadOfAnotherFileIsDropped)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("first") && QDir(dir.path()).mkpath("second"));
    const std::string a = write("first/a.bmp", Qt::red);
    const std::string b = write("second/b.bmp", Qt::blue);

    // The folder changed: the next file loaded is not the one decoded ahead.
    aheadCompletely(a);
    EXPECT_EQ(colourLoaded(b), QColor(Qt::blue));
    rewriteUnnoticed(a, Qt::green);
    EXPECT_EQ(colourLoaded(a), QColor(Qt::green));

    // A newer hint replaces the older one.
    aheadCompletely(a);
    loader.prefetch(b);
    rewriteUnnoticed(a, Qt::yellow);
    EXPECT_EQ(colourLoaded(a), QColor(Qt::yellow));
}

TEST_F(PicturePrefetch, DecodeAheadServesOnlyTheSizeItWasMadeFor)
{
    const std::string path = write("a.bmp", Qt::red);
    DecodeWorker worker;
    aheadCompletely(path, [&] { worker.request(path, QSize(20, 20)); });
    rewriteUnnoticed(path, Qt::green);

    const auto larger = worker.decode(path, QSize(30, 30));
    EXPECT_EQ(larger->decodedSize(), QSize(30, 20));
    EXPECT_EQ(colourOf(larger), QColor(Qt::green));
    const auto smaller = worker.decode(path, QSize(20, 20));
    EXPECT_EQ(smaller->decodedSize(), QSize(20, 14));
    EXPECT_EQ(smaller->pixelSize(), QSize(60, 40));
    EXPECT_EQ(colourOf(smaller), QColor(Qt::green)) << "a decode of another size was kept";
}

}  // namespace
