// A long show over good and bad files, stopped and started again with every option: it must not
// hold more memory at its end than after its first hundred ticks.
#if !defined(__SANITIZE_ADDRESS__)
#include <malloc.h>
#endif
#include <unistd.h>

#include <QByteArray>
#include <QColor>
#include <QSize>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "hostile_files.h"
#include "hostile_show.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr int kTicks = 20000;
constexpr int kBaselineTicks = 100;
// Each round of options lasts this many ticks, so the first hundred ticks have met every round.
constexpr int kTicksPerRound = 20;
constexpr long long kMarginKilobytes = 1024;

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

// Values of chkRandomPictures, chkReSize, chkBlackOut and chkRandomize for each round.
const std::vector<std::vector<int>> kRounds = {
    {0, 0, 0, 0},
    {0, 1, 0, 0},
    {0, 1, 1, 0},
    {0, 0, 0, 1},
    {1, 1, 0, 1},
};

class LongShow : public HostileShow {
protected:
    void fill()
    {
        using namespace hostile;
        const std::vector<std::pair<std::string, QByteArray>> files = {
            {"a.bmp", solid(QSize(16, 12), Qt::red, "BMP")},
            {"b.jpg", solid(QSize(12, 16), Qt::green, "JPEG")},
            {"c.gif", gif(QSize(10, 10), {Qt::blue, Qt::red})},
            {"d.jpg", solid(QSize(14, 9), Qt::yellow, "PNG")},
            {"e.bmp", topDownBmp(8, 6, Qt::cyan, Qt::magenta)},
            {"f.jpg", {}},
            {"g.gif", QByteArray(512, '\x5a')},
            {"h.jpg", solid(QSize(40, 30), Qt::gray, "JPEG").left(180)},
            {"i.gif", gifClaiming(QSize(65535, 65535))},
            {"j.bmp", bmpHeader(0, 0)},
            {"k.jpg", solid(QSize(9, 9), Qt::white, "JPEG")},
        };
        for (const auto& [name, bytes] : files)
            write(name, bytes);
        write("vanishing.jpg", solid(QSize(5, 5), Qt::black, "JPEG"));
        openFolder();
        ::unlink(path("vanishing.jpg").c_str());
    }

    // Stops on whichever window shows the pictures, as the user double-clicks it.
    void stopWhereShown()
    {
        if (form.Form2.visible())
            form.Form2.DblClick.raise();
        else
            stop();
    }

    void startRound(int round)
    {
        const std::vector<int>& values = kRounds[static_cast<std::size_t>(round) % kRounds.size()];
        form.chkRandomPictures.setValue(values[0]);
        form.chkReSize.setValue(values[1]);
        form.chkBlackOut.setValue(values[2]);
        form.chkRandomize.setValue(values[3]);
        go();
    }
};

TEST_F(LongShow, HoldsNoMoreMemoryAfterTwentyThousandTicksThanAfterItsFirstHundred)
{
    fill();
    ASSERT_EQ(form.File1.listCount(), 12);

    long long baseline = 0;
    for (int t = 0; t < kTicks; ++t) {
        if (t % kTicksPerRound == 0) {
            stopWhereShown();
            startRound(t / kTicksPerRound);
        } else if (form.state.mPaused != 0) {
            // A random cycle ended by itself; the next Go starts a new one.
            go();
        } else {
            tick();
        }
        if (t + 1 == kBaselineTicks)
            baseline = heldKilobytes();
    }
    stopWhereShown();
    EXPECT_TRUE(panelShown());

    const long long end = heldKilobytes();
    ASSERT_GT(baseline, 0);
    EXPECT_LE(end, baseline + kMarginKilobytes) << "memory held grew from " << baseline << " kB to " << end
                                                << " kB";
}

}  // namespace
