// feh, the peer, showing the same pictures fitted to the same screen in the same run.
#pragma once

#include <QStringList>

#include <optional>

namespace bench {

// Whether feh and Xvfb are there to be measured.
bool fehInstalled();

// CPU time per picture of feh showing the files once, in order, full screen and fitted on a
// 1920 x 1080 Xvfb screen of its own, one every pace: feh's own time and its X server's together,
// since the program paints in its own process. Nothing if feh failed or ran past its time.
std::optional<double> fehCpuPerPicture(const QStringList& files, int paceMilliseconds);

}  // namespace bench
