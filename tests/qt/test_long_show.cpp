// A long show over good and bad files, stopped and started again with every option: it must not
// hold more memory at its end than after its first hundred ticks.
#if !defined(__SANITIZE_ADDRESS__)
#include <malloc.h>
#endif
#include <unistd.h>

#include <QColor>
#include <QSize>

#include <gtest/gtest.h>

#include <array>
#include <cstddef>

#include "hostile_files.h"
#include "hostile_show.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

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

class LongShow : public HostileShow {};

TEST_F(LongShow, HoldsNoMoreMemoryAfterTwentyThousandTicksThanAfterItsFirstHundred)
{
    for (const hostile::Entry& entry : hostile::entries())
        write(entry.name, entry.bytes);
    write("vanishing.jpg", hostile::solid(QSize(5, 5), Qt::black, "JPEG"));
    openFolder();
    ::unlink(path("vanishing.jpg").c_str());
    ASSERT_EQ(form.File1.listCount(), static_cast<int>(hostile::entries().size()) + 1);

    // chkRandomPictures, chkReSize, chkBlackOut and chkRandomize for each round of twenty ticks, so
    // that the first hundred ticks have met every round.
    const std::array<std::array<int, 4>, 5> rounds = {{
        {0, 0, 0, 0},
        {0, 1, 0, 0},
        {0, 1, 1, 0},
        {0, 0, 0, 1},
        {1, 1, 0, 1},
    }};
    // Stops on whichever window shows the pictures, as the user double-clicks it.
    const auto stopWhereShown = [this] {
        if (form.Form2.visible())
            form.Form2.DblClick.raise();
        else
            stop();
    };
    long long baseline = 0;
    for (int t = 0; t < 20000; ++t) {
        if (t % 20 == 0) {
            stopWhereShown();
            const std::array<int, 4>& values = rounds[static_cast<std::size_t>(t / 20) % rounds.size()];
            form.chkRandomPictures.setValue(values[0]);
            form.chkReSize.setValue(values[1]);
            form.chkBlackOut.setValue(values[2]);
            form.chkRandomize.setValue(values[3]);
            go();
        } else if (form.state.mPaused != 0) {
            // A random cycle ended by itself; the next Go starts a new one.
            go();
        } else {
            tick();
        }
        if (t + 1 == 100)
            baseline = heldKilobytes();
    }
    stopWhereShown();
    EXPECT_TRUE(panelShown());

    const long long end = heldKilobytes();
    ASSERT_GT(baseline, 0);
    EXPECT_LE(end, baseline + 1024) << "memory held grew from " << baseline << " kB to " << end << " kB";
}

}  // namespace
