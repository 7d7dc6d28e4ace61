// The real program on the offscreen Qt platform over a folder of the test's own, ticked by hand:
// awkward pictures, odd names and entries that are no files, a folder that goes away and the reason
// a picture was skipped, and decodes that run long, claim too much or arrive late.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/slide_tick.h"
#include "hostile_files.h"
#include "picture/decode/picture_limits.h"
#include "picture/loading/decode_budget.h"
#include "pixora_log.h"
#include "platform/failure.h"
#include "platform/qt/decode_worker.h"
#include "platform/qt/decoded_picture.h"
#include "platform/qt/pixels.h"
#include "qt_windows.h"

namespace {

struct HostileShow : ::testing::Test, protected QtProgram, hostile::Folder {
    // Through the folder list, as the user opens a folder; Dir1_Change moves File1 after it.
    void openFolder() { form.Dir1.setPath(folder); }

    // Go, with the timer stopped again at once: the tests tick by hand. Each step ends as the event
    // loop goes on to its next event: QTest::qWait(0) is one pass of it, objects deleted later included.
    void go()
    {
        form.cmdGo.Click.raise();
        form.Timer1.setEnabled(false);
        QTest::qWait(0);
    }

    void tick()
    {
        Timer1_Timer(form);
        QTest::qWait(0);
    }

    // As the user double-clicks whichever window shows the pictures.
    void stop() { (form.Form2.visible() ? form.Form2.DblClick : form.Picture1.DblClick).raise(); }

    bool panelShown() const { return form.cmdGo.visible() && form.File1.visible() && form.Text1.visible(); }

    QSize shownSize() const
    {
        return {platform::qt::toPixels(form.Picture1.width()), platform::qt::toPixels(form.Picture1.height())};
    }
};

// A field of /proc/self/status in kilobytes (VmRSS: resident memory, VmPeak: the most address
// space ever mapped); -1 when it cannot be read.
long long statusKilobytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0)
            return std::stoll(line.substr(field.size() + 1));
    return -1;
}

// Codecs and resampling leave colours within a small rounding of what was stored.
int distance(QColor a, QColor b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

// Entries that are no files are put where listed pictures were. Each entry shows or is skipped
// without blocking the tick, and the show goes on.
TEST_F(HostileShow, AwkwardPicturesAndNotFilesShowOrAreSkippedKeepingThePreviousOne)
{
    std::vector<hostile::Entry> list = hostile::entries();
    for (const char* name : {"15 vanished.jpg", "16 dangling.jpg", "17 pipe.jpg", "18 folder.gif", "19 device.bmp"})
        list.push_back({name, {}});
    for (const hostile::Entry& entry : list)
        write(entry.name, entry.bytes);
    openFolder();
    const int count = static_cast<int>(list.size());
    ASSERT_EQ(form.File1.listCount(), count);
    for (auto entry = list.end() - 5; entry != list.end(); ++entry)
        ASSERT_EQ(::unlink(path(entry->name).c_str()), 0);
    ASSERT_EQ(::symlink("gone.jpg", path("16 dangling.jpg").c_str()), 0);
    ASSERT_EQ(::mkfifo(path("17 pipe.jpg").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(path("18 folder.gif").c_str(), 0700), 0);
    ASSERT_EQ(::symlink("/dev/zero", path("19 device.bmp").c_str()), 0);
    const long long peakBefore = statusKilobytes("VmPeak");

    for (const int fitted : {0, 1}) {
        SCOPED_TRACE(fitted ? "fitted onto the display window" : "on the main window");
        form.chkReSize.setValue(fitted);
        form.File1.setListIndex(0);
        go();
        const hostile::Entry* showing = nullptr;
        for (const hostile::Entry& entry : list) {
            SCOPED_TRACE(entry.name);
            if (&entry != &list.front())
                tick();
            if (entry.shows.isValid())
                showing = &entry;
            EXPECT_EQ(form.File1.fileName(), entry.name);
            ASSERT_EQ(shownSize(), showing->shows);
            const auto picture = std::dynamic_pointer_cast<const platform::qt::DecodedPicture>(form.Picture1.picture());
            ASSERT_TRUE(picture);
            // Its first and last rows, from the same version of the file: at its own size only the
            // part on the screen was decoded.
            const auto left = [&picture](int row) {
                return picture->decodePart(QRect(0, row, 1, 1), nullptr).pixelColor(0, 0);
            };
            EXPECT_LT(distance(left(0), showing->top), 24);
            EXPECT_LT(distance(left(picture->pixelSize().height() - 1), showing->bottom), 24);
        }
        stop();
        EXPECT_TRUE(panelShown());
    }
    // 65535 x 65535 pixels take 16 GB: a peak grown by a gigabyte means such pixels were asked for.
    EXPECT_LT(statusKilobytes("VmPeak") - peakBefore, 1024LL * 1024);

    // Listed again, coming back from another folder, the folder leaves out what is not a file.
    form.File1.setPath("/");
    form.File1.setPath(folder);
    EXPECT_EQ(form.File1.listCount(), count - 5);
}

// Pulled out as a drive is, the folder comes back holding only its last picture, changed: the show
// goes on over the missing files until it gets there. The "pixora" category is off until asked for;
// then a skipped picture tells why, once.
TEST_F(HostileShow, AFolderThatGoesAwayAndComesBackIsShownAsItIsNowAndASkipIsExplainedWhenAsked)
{
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"})
        write(name, hostile::solid(QSize(30, 20), Qt::red, "BMP"));
    openFolder();
    go();
    const std::string gone = folder + "-gone";
    ASSERT_EQ(::rename(folder.c_str(), gone.c_str()), 0);
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    write("d.bmp", hostile::solid(QSize(40, 10), Qt::blue, "BMP"));
    const PixoraLog log;
    tick();
    EXPECT_EQ(form.File1.fileName(), "b.bmp");
    EXPECT_EQ(shownSize(), QSize(30, 20));
    EXPECT_TRUE(log.said.isEmpty());
    log.on();
    tick();
    ASSERT_EQ(log.said.size(), 1);
    EXPECT_TRUE(log.said[0].startsWith("slide tick: ")) << log.said[0].toStdString();
    EXPECT_TRUE(log.said[0].contains(QString::fromStdString(path("c.bmp")))) << log.said[0].toStdString();
    tick();
    EXPECT_EQ(shownSize(), QSize(40, 10));
    QDir(QString::fromStdString(gone)).removeRecursively();
}

// The decode is run by the test: one that waits to be cancelled, one that never ends by itself.
struct ScriptedDecode {
    std::atomic<bool> started{false}, cancelled{false}, released{false}, returned{false};
};

// Waits are a minute at most, so that a worker or a decode that never gets there fails rather than hangs.
constexpr int kMinute = 60000;

TEST_F(HostileShow, AHeaderReadThatBlocksCostsTheWindowOnlyItsBudgetAndHoldsUpNoOtherPicture)
{
    const std::string stuck = write("stuck.jpg", hostile::solid(QSize(8, 8), Qt::red, "JPEG"));
    const std::string good = write("good.jpg", hostile::solid(QSize(8, 8), Qt::red, "JPEG"));
    // As a drive that does not answer: the read heeds no cancelling, only the drive coming back.
    const auto script = std::make_shared<ScriptedDecode>();
    auto worker = std::make_unique<platform::qt::DecodeWorker>(
        platform::qt::decodeFile, [script, stuck](const std::string& path, QSize bound) {
            if (path == stuck) {
                script->started = true;
                static_cast<void>(QTest::qWaitFor([&] { return script->released.load(); }, kMinute));
                script->returned = true;
            }
            return platform::qt::planDecode(path, bound);
        });
    int waits = 0;
    EXPECT_THROW(worker->decode(stuck, {}, [&] { ++waits; }), platform::Failure);
    EXPECT_TRUE(script->started);
    EXPECT_GT(waits, 0);
    EXPECT_FALSE(script->returned);
    EXPECT_EQ(worker->decode(good, {})->decodedSize(), QSize(8, 8));
    script->released = true;
    worker.reset();
    EXPECT_TRUE(script->returned);
}

// Exit while a large picture is decoded: the decode is cancelled and waited for, so that no thread
// outlives what it works on. Whether a decoder heeds the cancelling is its own test.
TEST_F(HostileShow, EndingTheWorkerCancelsTheDecodeAndJoinsItsThread)
{
    const std::string large = write("large.jpg", hostile::solid(QSize(4000, 4000), Qt::red, "JPEG"));
    const auto script = std::make_shared<ScriptedDecode>();
    auto worker = std::make_unique<platform::qt::DecodeWorker>(
        [script](const std::string& path, QSize bound, const std::atomic<bool>* cancelled, QImage* scratch) {
            script->started = true;
            try {
                platform::qt::decodeFile(path, bound, cancelled, scratch);
            } catch (const platform::Failure&) {
            }
            script->cancelled = cancelled->load();
            script->returned = true;
            return platform::qt::DecodedFile{};
        });
    worker->request(large, {});
    // Ended as soon as the decode starts: polling the event loop would leave it time to finish.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!script->started && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::yield();
    ASSERT_TRUE(script->started);
    worker.reset();
    EXPECT_TRUE(script->returned);
    EXPECT_TRUE(script->cancelled);
}

TEST_F(HostileShow, HeadersClaimingPixelsTheFileCannotHoldOrAWindowCannotShowCostNoDecodeAndAFailureAheadNoSecond)
{
    const QByteArray small = hostile::solid(QSize(16, 16), Qt::gray, "JPEG");
    write("8000 x 8000.jpg", hostile::claiming(small, 8000, 8000));
    write("65500 x 1024.jpg", hostile::claiming(small, 65500, 1024));
    const std::string wide = write("40000 x 10.bmp", hostile::solid(QSize(40000, 10), Qt::red, "BMP"));
    int decodes = 0;
    platform::qt::DecodeWorker worker([&](const auto&... arguments) {
        ++decodes;
        return platform::qt::decodeFile(arguments...);
    });
    const long long charged = platform::qt::chargedBytes();
    const QSize screen(1920, 1080);
    for (const char* name : {"8000 x 8000.jpg", "65500 x 1024.jpg"}) {
        for (const QSize bound : {QSize(), screen}) {
            SCOPED_TRACE(std::string(name) + (bound.isEmpty() ? " at its own size" : " fitted"));
            worker.request(path(name), bound);
            EXPECT_THROW(worker.decode(path(name), bound), platform::Failure);
        }
    }
    // A real picture wider than any window: refused at its own size, shown fitted.
    EXPECT_THROW(worker.decode(wide, {}), platform::Failure);
    EXPECT_EQ(decodes, 0);
    EXPECT_EQ(platform::qt::chargedBytes(), charged);
    EXPECT_EQ(worker.decode(wide, screen)->decodedSize(), QSize(1920, 1));
    EXPECT_EQ(decodes, 1);
    // What failed ahead fails at its turn without a second decode.
    const std::string noise = write("noise.jpg", hostile::noise(4000));
    worker.request(noise, {});
    EXPECT_THROW(worker.decode(noise, {}), platform::Failure);
    EXPECT_EQ(decodes, 2);
    // A PNG of empty chunks, one more than any picture is written in, named as a JPEG.
    QByteArray chunks = hostile::solid(QSize(4, 4), Qt::red, "PNG");
    chunks.insert(33, QByteArray("\0\0\0\0zzZz\0\0\0\0", 12).repeated(platform::qt::kMaxPngChunks + 1));
    EXPECT_THROW(worker.decode(write("chunks.jpg", chunks), {}), platform::Failure);
    EXPECT_EQ(decodes, 2);
}

// A picture larger than the screen is decoded smaller for a fitted show, and only its middle at its
// own size; stopped, the window moves to bring the panel onto the screen, and the box draws what it
// has at once and the part it shows, the picture's upper left, pixel for pixel once a thread of its
// own has decoded it.
TEST_F(HostileShow, TheStoppedShowsBoxDrawsItsPartPixelForPixelOnceDecodedOffTheWindowsThread)
{
    const QScreen* display = QGuiApplication::primaryScreen();
    QImage checks(display->size() * display->devicePixelRatio() * 2, QImage::Format_RGB32);
    for (int y = 0; y < checks.height(); ++y)
        for (int x = 0; x < checks.width(); ++x)
            checks.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    write("checks.bmp", hostile::encoded(checks, "BMP"));
    openFolder();
    for (const int fitted : {1, 0}) {
        SCOPED_TRACE(fitted ? "fitted" : "at its own size");
        form.chkReSize.setValue(fitted);
        go();
        stop();
        ASSERT_TRUE(panelShown());
        const auto picture = std::dynamic_pointer_cast<const platform::qt::DecodedPicture>(form.Picture1.picture());
        ASSERT_TRUE(picture);
        EXPECT_FALSE(picture->partAtHand().contains(QPoint(0, 0)) && picture->atHand().size() == checks.size());
        QWidget* box = control("Picture1");
        ASSERT_TRUE(box);
        const auto alternates = [box] {
            const QImage drawn = box->grab(QRect(0, 0, 2, 1)).toImage();
            return drawn.pixelColor(0, 0) != drawn.pixelColor(1, 0);
        };
        EXPECT_FALSE(alternates());
        // A minute's bound on a decode that never comes, not a measure of speed.
        EXPECT_TRUE(QTest::qWaitFor(alternates, kMinute));
    }
}

}  // namespace
