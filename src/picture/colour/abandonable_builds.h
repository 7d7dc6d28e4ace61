// Letting Little CMS give up building a transform, which it has no way of its own to do.
#pragma once

namespace platform::qt {

// Registers with Little CMS, once before any transform is built, a step that makes every costly
// transform built from then on abandonable.
void letColourBuildsBeAbandoned();

// Every costly build under way, and any started later, ends in moments with a transform that is of
// no use; for the end of the program, which waits for its builds.
void abandonColourBuilds();

}  // namespace platform::qt
