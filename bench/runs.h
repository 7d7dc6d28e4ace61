// What one measuring process does: each runs alone, so its peak memory is its own.
#pragma once

#include <QString>

namespace bench {

struct ShowMode {
    const char* name;
    bool fit;     // "Re-Size to fit screen"
    bool random;  // "Randomly Select Pictures"
    int pace;     // milliseconds from one tick to the next; 0: back to back
    int ticks;
    // Then as many periods of the program's own timer, for punctuality, and Go after a rest.
    int timerTicks = 0;
};

// The fastest speed.
inline constexpr int kPaceMilliseconds = 500;
// The pace the largest pictures are shown at: a fitted decode of 200 megapixels outlasts 500 ms.
inline constexpr int kHugePaceMilliseconds = 2000;

inline constexpr ShowMode kModes[] = {
    {"fit_random", true, true, kPaceMilliseconds, 10, 10},
    {"fit_seq", true, false, kPaceMilliseconds, 10, 10},
    {"nofit_random", false, true, kPaceMilliseconds, 10, 10},
    {"nofit_seq", false, false, kPaceMilliseconds, 10, 10},
};

// The shows of the kinds beyond the whole decode's limits: fewer ticks, as each period is long.
inline constexpr ShowMode kHugeModes[] = {
    {"fit_seq_2s", true, false, kHugePaceMilliseconds, 4, 4},
    {"nofit_seq_2s", false, false, kHugePaceMilliseconds, 4, 4},
};

// The long show whose memory is watched, on 24-megapixel photos.
inline constexpr ShowMode kMemoryShow = {"memory", true, false, 0, 200};

// Ticks the real handlers on the Qt platform over the folder; emits tick and memory figures. A loaded
// show has a thread spinning on one of the cores meanwhile, as a busy machine would.
int runShow(const QString& folder, const ShowMode& mode, bool loaded);

// Shows the folder through three cycles, back to back, and stops; emits the panel's resident memory
// before and the peak.
int runMemory(const QString& folder, bool fit, bool random);

// Decodes each file whole and nothing more, with libjpeg-turbo alone for JPEG and Qt's reader
// otherwise: the floor the show is measured against. For JPEG also the program's own decode, whole
// (where its limits allow) and fitted, libjpeg-turbo at the fitted decode's scale, and the centred
// screen's worth of the picture at its own size, by libjpeg-turbo and by the program.
int runDecodeFloor(const QStringList& files);

// Fills File1 with the folder through the real control, and reads and sorts it in the plainest way.
int runListing(const QString& folder);

// Builds and shows the panel as the program starts; emits the moment it is painted.
int runStartup();

}  // namespace bench
