// What one measuring process does: each runs alone, so its peak memory is its own.
#pragma once

#include <QString>

namespace bench {

struct ShowMode {
    const char* name;
    bool fit;     // "Re-Size to fit screen"
    bool random;  // "Randomly Select Pictures"
    bool paced;   // one tick every 500 ms, the fastest speed, rather than back to back
    int ticks;
    // Then as many periods of the program's own timer, for punctuality, and Go after a rest.
    int timerTicks = 0;
};

// A paced show's period, the fastest speed.
inline constexpr int kPaceMilliseconds = 500;

inline constexpr ShowMode kModes[] = {
    {"fit_random", true, true, true, 10, 10},
    {"fit_seq", true, false, true, 10, 10},
    {"nofit_random", false, true, true, 10, 10},
    {"nofit_seq", false, false, true, 10, 10},
};

// The long show whose memory is watched, on the largest pictures.
inline constexpr ShowMode kMemoryShow = {"memory", true, false, false, 200};

// Ticks the real handlers on the Qt platform over the folder; emits tick and memory figures.
int runShow(const QString& folder, const ShowMode& mode);

// Shows the folder through three cycles, back to back, and stops; emits the panel's resident memory
// before and the peak.
int runMemory(const QString& folder, bool fit, bool random);

// Decodes each file whole and nothing more, with libjpeg-turbo alone for JPEG and Qt's reader
// otherwise: the floor the show is measured against. For JPEG also the program's own decode, whole
// and fitted, and libjpeg-turbo at the fitted decode's scale.
int runDecodeFloor(const QStringList& files);

// Fills File1 with the folder through the real control, and reads and sorts it in the plainest way.
int runListing(const QString& folder);

// Builds and shows the panel as the program starts; emits the moment it is painted.
int runStartup();

}  // namespace bench
