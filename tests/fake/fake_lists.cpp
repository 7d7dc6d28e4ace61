// The folder and file lists on the fake.
#include "fake/fake_lists.h"

#include "platform/failure.h"

namespace fake {

void FakeDirList::setPath(const std::string& path)
{
    if (folders_.count(path) == 0)
        throw platform::Failure("cannot open " + path);
    assign("setPath", path_, path, path, Change);
}

const std::vector<std::string>& FakeFileList::entries() const
{
    static const std::vector<std::string> none;
    const auto found = folders_.find(path_);
    return found == folders_.end() ? none : found->second;
}

void FakeFileList::setPath(const std::string& path)
{
    if (path != path_)
        index_ = -1;
    assign("setPath", path_, path, path, PathChange);
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
    return index_ < 0 ? "" : entries().at(static_cast<std::size_t>(index_));
}

std::string FakeFileList::entry(int index) const
{
    if (index < 0 || index >= static_cast<int>(entries().size()))
        throw platform::Failure("no entry " + std::to_string(index));
    return entries()[static_cast<std::size_t>(index)];
}

}  // namespace fake
