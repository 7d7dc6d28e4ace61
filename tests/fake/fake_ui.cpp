// Builds every window and control from the program's designs and finds them by name and kind.
#include "fake/fake_ui.h"

#include <algorithm>

#include "display/window_designs.h"
#include "panel/form1_design.h"

namespace fake {

FakeUi::FakeUi()
{
    build(panel::form1Design());
    build(display::form2Design());
    build(display::form3Design());
}

void FakeUi::build(const platform::WindowDesign& design)
{
    auto window = std::make_unique<FakeWindow>(design, journal, shows_);
    windows_.push_back(window.get());
    objects_[design.name] = std::move(window);
    for (const platform::ControlDesign& control : design.controls)
        objects_[control.name] = makeControl(control);
}

std::unique_ptr<Probe> FakeUi::makeControl(const platform::ControlDesign& d)
{
    using platform::ControlKind;
    switch (d.kind) {
    case ControlKind::ScrollBar:
        return std::make_unique<FakeScrollBar>(d.name, journal, d.value);
    case ControlKind::CommandButton:
        return std::make_unique<FakeCommandButton>(d.name, journal);
    case ControlKind::DirList:
        return std::make_unique<FakeDirList>(d.name, journal, folders);
    case ControlKind::DriveList:
        return std::make_unique<FakeDriveList>(d.name, journal);
    case ControlKind::TextBox:
        return std::make_unique<FakeTextBox>(d.name, journal, d.text);
    case ControlKind::FileList:
        return std::make_unique<FakeFileList>(d.name, journal, folders, d.text);
    case ControlKind::Timer:
        return std::make_unique<FakeTimer>(d.name, journal, d.value);
    case ControlKind::PictureBox:
        return std::make_unique<FakePictureBox>(d.name, journal, d.width, d.height);
    case ControlKind::CheckBox:
        return std::make_unique<FakeCheckBox>(d.name, journal);
    case ControlKind::Label:
        return std::make_unique<FakeLabel>(d.name, journal, d.text);
    }
    throw platform::Failure("unknown kind of control " + d.name);
}

Probe* FakeUi::object(const std::string& name)
{
    const auto found = objects_.find(name);
    return found == objects_.end() ? nullptr : found->second.get();
}

std::vector<std::string> FakeUi::frontToBack() const
{
    std::vector<const FakeWindow*> shown;
    for (const FakeWindow* window : windows_)
        if (window->loaded() && window->visible())
            shown.push_back(window);
    std::sort(shown.begin(), shown.end(),
              [](const FakeWindow* a, const FakeWindow* b) { return a->lastShown() > b->lastShown(); });
    std::vector<std::string> names;
    for (const FakeWindow* window : shown)
        names.push_back(window->name());
    return names;
}

}  // namespace fake
