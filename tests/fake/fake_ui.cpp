// Builds every window and control from the program's designs, and the fakes' few rules.
#include "fake/fake_ui.h"

#include <algorithm>
#include <iomanip>
#include <iterator>
#include <sstream>

#include "display/window_designs.h"
#include "panel/form1_design.h"

namespace fake {

std::vector<std::string> Journal::startingWith(const std::string& prefix) const
{
    std::vector<std::string> out;
    std::copy_if(begin(), end(), std::back_inserter(out),
                 [&](const std::string& entry) { return entry.compare(0, prefix.size(), prefix) == 0; });
    return out;
}

std::string text(platform::Twips twips)
{
    // Nine significant digits write every float back exactly.
    std::ostringstream out;
    out << std::setprecision(9) << twips;
    return out.str();
}

void FakePictureBox::setPicture(platform::PicturePtr picture)
{
    picture_ = std::move(picture);
    if (picture_) {
        width_ = picture_->width();
        height_ = picture_->height();
    }
}

void FakeDirList::setPath(const std::string& path)
{
    if (folders_.count(path) == 0)
        throw platform::Failure("cannot open " + path);
    assign(path_, path, Change);
}

void FakeFileList::setPath(const std::string& path)
{
    if (path != path_)
        index_ = -1;
    assign(path_, path, PathChange);
}

void FakeFileList::setListIndex(int index)
{
    if (index < -1 || index >= listCount())
        throw platform::Failure("list index " + std::to_string(index) + " out of range");
    index_ = index;
    Click.raise();
}

std::string FakeFileList::entry(int index) const
{
    if (index < 0 || index >= listCount())
        throw platform::Failure("no entry " + std::to_string(index));
    return entries()[static_cast<std::size_t>(index)];
}

void FakeWindow::load() const
{
    if (loaded_)
        return;
    loaded_ = true;
    journal_.push_back(name() + ".load");
    Load.raise();
}

void FakeWindow::act(const std::string& operation, const std::string& args)
{
    if (failing_.count(operation) != 0)
        throw platform::Failure(name() + "." + operation + " told to fail");
    load();
    journal_.push_back(name() + "." + operation + (args.empty() ? "" : " " + args));
}

void FakeWindow::show()
{
    act("show");
    s_.visible = true;
    s_.lastShown = ++shows_;
}

void FakeWindow::unload()
{
    if (!loaded_)
        return;
    act("unload");
    loaded_ = false;
    s_ = {0, 0, design_.clientWidth, design_.clientHeight};
}

void FakeWindow::paintPicture(const platform::Picture& picture, platform::Twips x, platform::Twips y,
                              platform::Twips width, platform::Twips height)
{
    act("paintPicture", static_cast<const FakePicture&>(picture).path + " " + text(x) + " " + text(y) + " " +
                            text(width) + " " + text(height));
}

platform::PicturePtr FakePictureLoader::load(const std::string& path, platform::PictureUse use)
{
    journal_.push_back("Pictures.load " + path + suffix(use));
    const auto found = files_.find(path);
    if (found == files_.end())
        throw platform::Failure("cannot read " + path);
    return found->second;
}

FakeUi::FakeUi()
{
    for (const auto* design : {&panel::form1Design(), &display::form2Design(), &display::form3Design()}) {
        auto window = std::make_unique<FakeWindow>(*design, journal, shows_);
        windows_.push_back(window.get());
        objects_[design->name] = std::move(window);
        for (const platform::ControlDesign& control : design->controls)
            objects_[control.name] = makeControl(control);
    }
}

std::unique_ptr<Object> FakeUi::makeControl(const platform::ControlDesign& d)
{
    using platform::ControlKind;
    switch (d.kind) {
    case ControlKind::ScrollBar:
        return std::make_unique<FakeScrollBar>(d.value);
    case ControlKind::CommandButton:
        return std::make_unique<FakeCommandButton>();
    case ControlKind::DirList:
        return std::make_unique<FakeDirList>(folders);
    case ControlKind::DriveList:
        return std::make_unique<FakeDriveList>();
    case ControlKind::TextBox:
        return std::make_unique<FakeTextBox>(d.text);
    case ControlKind::FileList:
        return std::make_unique<FakeFileList>(folders, d.text);
    case ControlKind::Timer:
        return std::make_unique<FakeTimer>(d.value);
    case ControlKind::PictureBox:
        return std::make_unique<FakePictureBox>(d.width, d.height);
    case ControlKind::CheckBox:
        return std::make_unique<FakeCheckBox>(0);
    case ControlKind::Label:
        return std::make_unique<FakeLabel>(d.text);
    }
    throw platform::Failure("unknown kind of control " + d.name);
}

std::vector<std::string> FakeUi::frontToBack() const
{
    std::vector<const FakeWindow*> windows = windows_;
    std::sort(windows.begin(), windows.end(),
              [](const FakeWindow* a, const FakeWindow* b) { return a->lastShown() > b->lastShown(); });
    std::vector<std::string> names;
    for (const FakeWindow* window : windows)
        if (window->loaded() && window->visible())
            names.push_back(window->name());
    return names;
}

}  // namespace fake
