// Reads the command line and opens the folder or picture it names through the drive, folder and file lists.
#include "command_line.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include "form/form1.h"
#include "platform/failure.h"
#include "platform/files/drives.h"
#include "platform/files/folder_listing.h"

namespace {

[[noreturn]] void cannotOpen(const std::string& path)
{
    throw platform::Failure("cannot open " + path + ": " + std::strerror(errno));
}

StartPlace placeOf(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        cannotOpen(path);
    if (S_ISDIR(status.st_mode)) {
        if (::access(path.c_str(), R_OK | X_OK) != 0)
            cannotOpen(path);
        return {platform::qt::canonicalFolder(path), ""};
    }
    if (!S_ISREG(status.st_mode))
        throw platform::Failure("cannot open " + path + ": neither a folder nor a file");
    if (::access(path.c_str(), R_OK) != 0)
        cannotOpen(path);
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    if (::access(folder.c_str(), R_OK | X_OK) != 0)
        cannotOpen(folder);
    return {platform::qt::canonicalFolder(folder), path.substr(slash + 1)};
}

}  // namespace

std::optional<StartPlace> startPlaceFromCommandLine(const QCoreApplication& app, int argc, char* argv[])
{
    QCoreApplication::setApplicationVersion(PIXORA_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription("Shows the pictures of a folder one after another.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("path", "A folder to start in, or a picture to start at.", "[path]");
    parser.process(app);

    const QStringList paths = parser.positionalArguments();
    if (paths.isEmpty())
        return std::nullopt;
    if (paths.size() > 1) {
        std::cerr << "pixora: one path at most; starting where it was started\n";
        return std::nullopt;
    }
    // Names on disk are bytes, which a string decoded from them may not give back: the argument is
    // taken as it came.
    std::string path = paths.first().toStdString();
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == paths.first())
            path = argv[i];
    }
    try {
        return placeOf(path);
    } catch (const platform::Failure& failure) {
        std::cerr << "pixora: " << failure.what() << "\n";
        return std::nullopt;
    }
}

void openStartPlace(Form1& f, const StartPlace& place)
{
    f.Drive1.setDrive(platform::qt::driveName(platform::qt::driveOf(place.folder, platform::qt::mountedDrives())));
    f.Dir1.setPath(place.folder);
    if (place.picture.empty())
        return;
    for (int i = 0; i < f.File1.listCount(); ++i) {
        if (f.File1.entry(i) == place.picture) {
            f.File1.setListIndex(i);
            return;
        }
    }
    std::cerr << "pixora: " << place.picture << " is not among the pictures listed in " << place.folder << "\n";
}
