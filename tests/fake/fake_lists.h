// The drive, folder and file lists on the fake, over a folder model the test writes.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fake/fake_controls.h"

namespace fake {

// Each folder that exists, with the entries the file list shows for it, in list order. A drive is
// a folder named as the drive list names it ("/", "/media/usb").
using Folders = std::map<std::string, std::vector<std::string>>;

// Takes any drive; starts on "/".
class FakeDriveList : public FakeControl<platform::DriveList> {
public:
    using FakeControl::FakeControl;
    std::string drive() const override { return drive_; }
    void setDrive(const std::string& drive) override { assign("setDrive", drive_, drive, drive, Change); }

private:
    std::string drive_ = "/";
};

// Opens only folders of the model, so a drive missing from it is a drive that is not ready.
class FakeDirList : public FakeControl<platform::DirList> {
public:
    FakeDirList(std::string name, Journal& journal, const Folders& folders)
        : FakeControl(std::move(name), journal), folders_(folders) {}
    std::string path() const override { return path_; }
    void setPath(const std::string& path) override;

private:
    const Folders& folders_;
    std::string path_ = "/";
};

class FakeFileList : public FakeControl<platform::FileList> {
public:
    FakeFileList(std::string name, Journal& journal, const Folders& folders, std::string pattern)
        : FakeControl(std::move(name), journal), folders_(folders), pattern_(std::move(pattern)) {}
    std::string path() const override { return path_; }
    void setPath(const std::string& path) override;
    std::string pattern() const override { return pattern_; }
    int listCount() const override { return static_cast<int>(entries().size()); }
    int listIndex() const override { return index_; }
    void setListIndex(int index) override;
    std::string fileName() const override;
    std::string entry(int index) const override;

private:
    const std::vector<std::string>& entries() const;

    const Folders& folders_;
    std::string pattern_;
    std::string path_ = "/";
    int index_ = -1;
};

}  // namespace fake
