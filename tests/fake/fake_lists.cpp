// The three browsing lists on the fake.
#include "fake/fake_lists.h"

#include "platform/failure.h"

namespace fake {

void FakeDriveList::setDrive(const std::string& drive)
{
    change("setDrive", drive);
    if (drives_.count(drive) == 0)
        throw platform::Failure("no drive " + drive);
    if (drive == drive_)
        return;
    drive_ = drive;
    Change.raise();
}

void FakeDirList::setPath(const std::string& path)
{
    change("setPath", path);
    if (folders_.count(path) == 0)
        throw platform::Failure("cannot open " + path);
    if (path == path_)
        return;
    path_ = path;
    Change.raise();
}

const std::vector<std::string>& FakeFileList::entries() const
{
    static const std::vector<std::string> none;
    const auto found = folders_.find(path_);
    return found == folders_.end() ? none : found->second;
}

void FakeFileList::setPath(const std::string& path)
{
    change("setPath", path);
    if (folders_.count(path) == 0)
        throw platform::Failure("cannot list " + path);
    if (path == path_)
        return;
    path_ = path;
    index_ = -1;
    PathChange.raise();
}

int FakeFileList::listCount() const
{
    check("listCount");
    return static_cast<int>(entries().size());
}

void FakeFileList::setListIndex(int index)
{
    change("setListIndex", std::to_string(index));
    if (index < -1 || index >= static_cast<int>(entries().size()))
        throw platform::Failure("list index " + std::to_string(index) + " out of range");
    index_ = index;
    Click.raise();
}

std::string FakeFileList::fileName() const
{
    check("fileName");
    return index_ < 0 ? "" : entries().at(static_cast<std::size_t>(index_));
}

std::string FakeFileList::entry(int index) const
{
    check("entry");
    if (index < 0 || index >= static_cast<int>(entries().size()))
        throw platform::Failure("no entry " + std::to_string(index));
    return entries()[static_cast<std::size_t>(index)];
}

}  // namespace fake
