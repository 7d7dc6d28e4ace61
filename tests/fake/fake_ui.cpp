// Builds every window and control from the program's designs.
#include "fake/fake_ui.h"

#include <iomanip>
#include <sstream>

#include "display/window_designs.h"
#include "panel/form1_design.h"

namespace fake {

std::vector<std::string> Journal::startingWith(const std::string& prefix) const
{
    std::vector<std::string> out;
    for (const std::string& entry : *this)
        if (entry.compare(0, prefix.size(), prefix) == 0)
            out.push_back(entry);
    return out;
}

std::string text(platform::Twips twips)
{
    // Nine significant digits write every float back exactly.
    std::ostringstream out;
    out << std::setprecision(9) << twips;
    return out.str();
}

FakeUi::FakeUi()
{
    for (const auto* design : {&panel::form1Design(), &display::form2Design(), &display::form3Design()}) {
        auto window = std::make_unique<FakeWindow>(*design, journal, frontToBack_);
        frontToBack_.push_back(window.get());
        objects_[design->name] = std::move(window);
        for (const platform::ControlDesign& control : design->controls)
            objects_[control.name] = makeControl(control);
    }
}

std::unique_ptr<Object> FakeUi::makeControl(const platform::ControlDesign& d)
{
    using platform::ControlKind;
    switch (d.kind) {
    case ControlKind::ScrollBar: return std::make_unique<FakeScrollBar>(d.value);
    case ControlKind::CommandButton: return std::make_unique<FakeCommandButton>();
    case ControlKind::DirList: return std::make_unique<FakeDirList>(folders);
    case ControlKind::DriveList: return std::make_unique<FakeDriveList>();
    case ControlKind::TextBox: return std::make_unique<FakeTextBox>(d.text);
    case ControlKind::FileList: return std::make_unique<FakeFileList>(folders, d.text);
    case ControlKind::Timer: return std::make_unique<FakeTimer>(d.value);
    case ControlKind::PictureBox: return std::make_unique<FakePictureBox>(d.width, d.height);
    case ControlKind::CheckBox: return std::make_unique<FakeCheckBox>(0);
    case ControlKind::Label: return std::make_unique<FakeLabel>(d.text);
    }
    throw platform::Failure("unknown kind of control " + d.name);
}

std::vector<std::string> FakeUi::frontToBack() const
{
    std::vector<std::string> names;
    for (const FakeWindow* window : frontToBack_)
        if (window->loaded() && window->visible())
            names.push_back(window->name());
    return names;
}

}  // namespace fake
