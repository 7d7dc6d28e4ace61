// The real program on the offscreen Qt platform over a folder of the test's own, ticked by hand:
// awkward pictures and entries that are no files, the reason a picture was skipped, a folder of fifty
// thousand entries, and the memory a long show holds.
#if !defined(__SANITIZE_ADDRESS__)
#include <malloc.h>
#endif
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "display/window_designs.h"
#include "engine/slide_tick.h"
#include "form/form1.h"
#include "form/form1_design.h"
#include "hostile_files.h"
#include "platform/qt/pixels.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/qt_ui.h"
#include "wiring.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

class HostileShow : public ::testing::Test {
protected:
    HostileShow()
    {
        wireEvents(form);
        form.Me.show();
    }

    std::string path(const std::string& name) const { return folder + "/" + name; }

    void write(const std::string& name, const QByteArray& bytes) const
    {
        std::ofstream file(path(name), std::ios::binary);
        ASSERT_TRUE(file.write(bytes.constData(), bytes.size()).flush()) << name;
    }

    // Through the folder list, as the user opens a folder; Dir1_Change moves File1 after it.
    void openFolder() { form.Dir1.setPath(folder); }

    // Go, with the timer stopped again at once: the tests tick by hand.
    void go()
    {
        form.cmdGo.Click.raise();
        form.Timer1.setEnabled(false);
        returnToEventLoop();
    }

    void tick()
    {
        Timer1_Timer(form);
        returnToEventLoop();
    }

    // What the event loop does between two events; objects deleted later go too, as they do there.
    static void returnToEventLoop()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // As the user double-clicks whichever window shows the pictures.
    void stop() { (form.Form2.visible() ? form.Form2.DblClick : form.Picture1.DblClick).raise(); }

    bool panelShown() const { return form.cmdGo.visible() && form.File1.visible() && form.Text1.visible(); }

    QSize shownSize() const
    {
        return {platform::qt::toPixels(form.Picture1.width()), platform::qt::toPixels(form.Picture1.height())};
    }

    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    platform::qt::QtUi ui{{form::form1Design(), display::form2Design(), display::form3Design()}};
    Form1 form{ui};
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
    const int count = form.File1.listCount();
    ASSERT_EQ(count, static_cast<int>(list.size()));
    for (std::size_t i = list.size() - 5; i < list.size(); ++i)
        ASSERT_EQ(::unlink(path(list[i].name).c_str()), 0);
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
        for (int i = 0; i < count; ++i) {
            const hostile::Entry& entry = list[static_cast<std::size_t>(i)];
            SCOPED_TRACE(entry.name);
            if (i > 0)
                tick();
            if (entry.shows.isValid())
                showing = &entry;
            EXPECT_EQ(form.File1.fileName(), entry.name);
            ASSERT_EQ(shownSize(), showing->shows);
            const auto picture = std::dynamic_pointer_cast<const platform::qt::QtPicture>(form.Picture1.picture());
            ASSERT_TRUE(picture);
            const QImage shown = picture->image(picture->pixelSize());
            if (showing->top.isValid()) {
                EXPECT_LT(distance(shown.pixelColor(0, 0), showing->top), 24);
            }
            EXPECT_LT(distance(shown.pixelColor(0, shown.height() - 1), showing->bottom), 24);
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

// The "pixora" category is off until asked for; then a skipped picture tells why, once.
TEST_F(HostileShow, ASkippedPictureLeavesItsReasonInThePixoraCategory)
{
    static QStringList messages;
    messages.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (type == QtDebugMsg && qstrcmp(context.category, "pixora") == 0)
                messages.append(text);
        });
    write("broken.jpg", "no picture");
    openFolder();
    go();
    EXPECT_TRUE(messages.isEmpty());
    QLoggingCategory::setFilterRules("pixora.debug=true");
    tick();
    QLoggingCategory::setFilterRules({});
    qInstallMessageHandler(previous);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("slide tick: ")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QString::fromStdString(path("broken.jpg")))) << messages[0].toStdString();
}

TEST_F(HostileShow, AFolderOfFiftyThousandIsShownFromANumberTypedToItsEndAndRoundToItsStart)
{
    const auto name = [](int i) { return "f" + std::to_string(i) + ".jpg"; };
    // Links to one tiny picture, but for the last, whose size tells it from any other entry.
    write(name(0), hostile::solid(QSize(2, 2), Qt::red, "JPEG"));
    for (int i = 1; i < 49999; ++i)
        ASSERT_EQ(::link(path(name(0)).c_str(), path(name(i)).c_str()), 0) << name(i);
    write(name(49999), hostile::solid(QSize(20, 10), Qt::red, "JPEG"));
    openFolder();
    ASSERT_EQ(form.File1.listCount(), 50000);

    form.Text1.GotFocus.raise();
    form.Text1.setText("49999");
    form.Text1.LostFocus.raise();
    go();
    EXPECT_EQ(form.File1.fileName(), name(49999));
    EXPECT_EQ(shownSize(), QSize(20, 10));
    tick();
    EXPECT_EQ(form.File1.fileName(), name(0));
    EXPECT_EQ(shownSize(), QSize(2, 2));
    stop();
    EXPECT_EQ(form.Text1.text(), "File  0 OF  50000");
}

// The memory the program holds. Under the address sanitizer that is the sanitizer's count of live
// heap blocks: its quarantine of freed blocks, their shadow and its own bookkeeping grow the
// resident size by tens of megabytes over a long run, whatever the program does.
long long heldKilobytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    malloc_trim(0);
    return statusKilobytes("VmRSS");
#endif
}

// Over good and bad files, stopped and started again with every option.
TEST_F(HostileShow, ALongShowHoldsNoMoreMemoryAtItsEndThanOnceItHasMetEverySetting)
{
    for (const hostile::Entry& entry : hostile::entries())
        write(entry.name, entry.bytes);
    write("vanishing.jpg", hostile::solid(QSize(5, 5), Qt::black, "JPEG"));
    openFolder();
    ::unlink(path("vanishing.jpg").c_str());
    ASSERT_EQ(form.File1.listCount(), static_cast<int>(hostile::entries().size()) + 1);

    // What a show holds depends on the pictures it showed last, which random order picks: the
    // windows keep the size of theirs. So both measurements follow the same two short shows.
    const auto heldAfterTwoPlainShows = [this] {
        for (const int fitted : {0, 1}) {
            stop();
            for (platform::CheckBox* option : {&form.chkRandomPictures, &form.chkBlackOut, &form.chkRandomize})
                option->setValue(0);
            form.chkReSize.setValue(fitted);
            form.File1.setListIndex(0);
            go();
            tick();
        }
        stop();
        return heldKilobytes();
    };

    // Every twenty ticks the next of the sixteen settings of the four options, so that the first
    // 320 ticks have met them all.
    long long baseline = 0;
    for (int t = 0; t < 20000; ++t) {
        if (t % 20 == 0) {
            stop();
            const int round = t / 20;
            form.chkRandomPictures.setValue(round % 2);
            form.chkReSize.setValue(round / 2 % 2);
            form.chkBlackOut.setValue(round / 4 % 2);
            form.chkRandomize.setValue(round / 8 % 2);
            go();
        } else if (form.state.mPaused != 0) {
            // A random cycle ended by itself; the next Go starts a new one.
            go();
        } else {
            tick();
        }
        if (t + 1 == 320)
            baseline = heldAfterTwoPlainShows();
    }
    const long long atTheEnd = heldAfterTwoPlainShows();
    EXPECT_TRUE(panelShown());

    ASSERT_GT(baseline, 0);
    EXPECT_LE(atTheEnd, baseline + 256);
}

}  // namespace
