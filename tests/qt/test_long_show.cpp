// A long show over good and bad files, stopped and started again with every option: it must not
// hold more memory at its end than once it has met every setting.
#if !defined(__SANITIZE_ADDRESS__)
#include <malloc.h>
#endif
#include <unistd.h>

#include <gtest/gtest.h>

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

TEST_F(LongShow, HoldsNoMoreMemoryAfterTwentyThousandTicksThanOnceItHasMetEverySetting)
{
    for (const hostile::Entry& entry : hostile::entries())
        write(entry.name, entry.bytes);
    write("vanishing.jpg", hostile::solid(QSize(5, 5), Qt::black, "JPEG"));
    openFolder();
    ::unlink(path("vanishing.jpg").c_str());
    ASSERT_EQ(form.File1.listCount(), static_cast<int>(hostile::entries().size()) + 1);

    // Stops on whichever window shows the pictures, as the user double-clicks it.
    const auto stopWhereShown = [this] {
        if (form.Form2.visible())
            form.Form2.DblClick.raise();
        else
            stop();
    };
    // Every twenty ticks the next of the sixteen settings of the four options, so that the first
    // 320 ticks have met them all.
    long long baseline = 0;
    for (int t = 0; t < 20000; ++t) {
        if (t % 20 == 0) {
            stopWhereShown();
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
            baseline = heldKilobytes();
    }
    stopWhereShown();
    EXPECT_TRUE(panelShown());

    ASSERT_GT(baseline, 0);
    EXPECT_LE(heldKilobytes(), baseline + 1024);
}

}  // namespace
