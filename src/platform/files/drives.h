// The mounted file systems a person would call drives, and the names the drive list gives them.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform::qt {

struct Drive {
    std::string mountPoint;
    std::string label;
};

// "/" for the root; other drives by mount point, followed by " [label]" when they have a label.
std::string driveName(const Drive& drive);

// The drives among the lines of a /proc/self/mountinfo text, the root first, then by mount point.
// The root is always among them. labelOf gives the label of a device path, or "".
std::vector<Drive> drivesFromMountInfo(const std::string& mountInfo,
                                       const std::function<std::string(const std::string&)>& labelOf);

// The drives mounted now.
std::vector<Drive> mountedDrives();

// The drive whose mount point holds the absolute folder: the longest that does.
const Drive& driveOf(const std::string& folder, const std::vector<Drive>& drives);

}  // namespace platform::qt
