// The mounted file systems a person would call drives, and the names the drive list gives them.
#include "platform/files/drives.h"

#include <dirent.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "platform/qt/failure_log.h"

namespace platform::qt {

namespace {

// Network shares; local disks are recognised by their device instead.
const std::set<std::string> kNetworkTypes = {"nfs",  "nfs4",       "cifs",        "smb3",  "smbfs",
                                             "ceph", "fuse.sshfs", "fuse.rclone", "davfs", "9p"};

// Unescapes mountinfo's octal escapes (\040 for a blank) and udev's hex escapes (\x20).
std::string unescape(const std::string& text, bool hex)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t digits = hex ? 2 : 3;
        const std::size_t start = hex ? i + 2 : i + 1;
        const bool escaped = text[i] == '\\' && start + digits <= text.size() && (!hex || text[i + 1] == 'x');
        if (escaped) {
            char* end = nullptr;
            const std::string code = text.substr(start, digits);
            const long value = std::strtol(code.c_str(), &end, hex ? 16 : 8);
            if (end == code.c_str() + digits) {
                out += static_cast<char>(value);
                i = start + digits - 1;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

bool isUnder(const std::string& path, const std::string& folder)
{
    if (folder == "/")
        return !path.empty() && path[0] == '/';
    return path == folder || path.rfind(folder + "/", 0) == 0;
}

bool isDrive(const std::string& mountPoint, const std::string& root, const std::string& type,
             const std::string& source)
{
    if (mountPoint == "/")
        return true;
    // A root other than "/" is a bind mount of part of another file system (btrfs sub-volumes aside).
    if ((root != "/" && type != "btrfs") || type == "squashfs" || isUnder(mountPoint, "/boot"))
        return false;
    return source.rfind("/dev/", 0) == 0 || kNetworkTypes.count(type) > 0;
}

std::string labelFromDisks(const std::string& device)
{
    static const std::string kLabels = "/dev/disk/by-label";
    const std::unique_ptr<char, void (*)(void*)> target(::realpath(device.c_str(), nullptr), std::free);
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(kLabels.c_str()), ::closedir);
    if (!target || !dir)
        return "";
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string link = kLabels + "/" + entry->d_name;
        const std::unique_ptr<char, void (*)(void*)> labelled(::realpath(link.c_str(), nullptr), std::free);
        if (entry->d_name[0] != '.' && labelled && std::string(labelled.get()) == target.get())
            return unescape(entry->d_name, true);
    }
    return "";
}

}  // namespace

std::string driveName(const Drive& drive)
{
    if (drive.mountPoint == "/" || drive.label.empty())
        return drive.mountPoint;
    return drive.mountPoint + " [" + drive.label + "]";
}

std::vector<Drive> drivesFromMountInfo(const std::string& mountInfo,
                                       const std::function<std::string(const std::string&)>& labelOf)
{
    // A later mount on the same point hides the earlier one.
    std::map<std::string, std::string> sourceByMountPoint;
    std::istringstream lines(mountInfo);
    for (std::string line; std::getline(lines, line);) {
        // Fields: id parent major:minor root mount-point options [optional...] - type source ...
        std::istringstream in(line);
        const std::vector<std::string> fields{std::istream_iterator<std::string>(in), {}};
        if (fields.size() < 9)
            continue;
        const auto separator = std::find(fields.begin() + 6, fields.end(), "-");
        if (std::distance(separator, fields.end()) < 3)
            continue;
        const std::string mountPoint = unescape(fields[4], false);
        const std::string source = unescape(separator[2], false);
        sourceByMountPoint.erase(mountPoint);
        if (isDrive(mountPoint, unescape(fields[3], false), separator[1], source))
            sourceByMountPoint[mountPoint] = source;
    }
    std::vector<Drive> drives{{"/", ""}};
    for (const auto& [mountPoint, source] : sourceByMountPoint) {
        if (mountPoint != "/")
            drives.push_back({mountPoint, labelOf(source)});
    }
    return drives;
}

std::vector<Drive> mountedDrives()
{
    std::ifstream file("/proc/self/mountinfo");
    if (!file)
        passOver("drive list", "cannot read /proc/self/mountinfo: only / is listed");
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    return drivesFromMountInfo(text, labelFromDisks);
}

const Drive& driveOf(const std::string& folder, const std::vector<Drive>& drives)
{
    const Drive* best = &drives.front();
    for (const Drive& drive : drives) {
        if (isUnder(folder, drive.mountPoint) && drive.mountPoint.size() > best->mountPoint.size())
            best = &drive;
    }
    return *best;
}

}  // namespace platform::qt
