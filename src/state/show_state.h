// The slide-show state shared by the handlers; it lives as long as the main window.
#pragma once

#include <cstdint>
#include <set>
#include <string>

namespace state {

// Indexes and counts are 32-bit, so that a folder of more than 32767 pictures is shown to its end.
struct ShowState {
    std::int32_t mPaused = 0;      // non-zero: a tick returns at once
    std::int32_t mFileIndex = 0;   // the entry of File1 the next sequential tick shows
    std::set<std::string> mShownList;  // names shown in the current random cycle, exactly as listed
    std::int32_t gShownCount = 0;  // ticks past the selection since the record was last cleared
    std::int32_t mCornerStep = 0;  // next corner of the rotation: 0 to 3
    std::int32_t mTextHasFocus = 0;
    // Set while Drive1_Change falls back to the system drive, so that an unreadable system drive
    // neither repeats the message nor falls back again: the lists then stay where they were.
    bool mDriveFallingBack = false;
};

// A new random cycle: no name recorded, nothing counted.
inline void clearRandomCycle(ShowState& s)
{
    s.mShownList.clear();
    s.gShownCount = 0;
}

}  // namespace state
