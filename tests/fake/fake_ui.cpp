// Builds every window and control from the program's designs.
#include "fake/fake_ui.h"

#include <algorithm>
#include <iomanip>
#include <iterator>
#include <sstream>
#include <utility>

#include "display/window_designs.h"
#include "form/form1_design.h"

namespace fake {

std::vector<std::string> Journal::startingWith(const std::string& prefix) const
{
    std::vector<std::string> out;
    std::copy_if(begin(), end(), std::back_inserter(out), [&](const auto& e) { return e.rfind(prefix, 0) == 0; });
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
    for (const auto* design : {&form::form1Design(), &display::form2Design(), &display::form3Design()}) {
        auto window = std::make_unique<FakeWindow>(*design, journal, frontToBack_);
        frontToBack_.push_back(window.get());
        objects_[design->name] = std::move(window);
        for (const platform::ControlDesign& control : design->controls) {
            objects_[control.name] = makeControl(control);
            if (control.tabIndex >= 0 && control.kind != platform::ControlKind::Label)
                tabOrder_.push_back(&control);
        }
    }
    std::stable_sort(tabOrder_.begin(), tabOrder_.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    focus_ = tabOrder_.front()->name;
}

std::unique_ptr<Object> FakeUi::makeControl(const platform::ControlDesign& d)
{
    using platform::ControlKind;
    switch (d.kind) {
    case ControlKind::ScrollBar: return std::make_unique<FakeScrollBar>(d.value, d.min, d.max);
    case ControlKind::CommandButton: return std::make_unique<FakeCommandButton>();
    case ControlKind::DirList: return std::make_unique<FakeDirList>(folders);
    case ControlKind::DriveList: return std::make_unique<FakeDriveList>();
    case ControlKind::TextBox: return std::make_unique<FakeTextBox>(d.text);
    case ControlKind::FileList: return std::make_unique<FakeFileList>(folders, d.text);
    case ControlKind::Timer: return std::make_unique<FakeTimer>(d.name, d.value, journal);
    case ControlKind::PictureBox: return std::make_unique<FakePictureBox>(d.width, d.height);
    case ControlKind::CheckBox: return std::make_unique<FakeCheckBox>(0, 0, 2);
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

// Controls on the window stand in front of the controls inside a picture box, which lies at the
// window's origin, and those in front of the box; among equals the one created later is in front.
void FakeUi::click(const std::string& window, platform::Twips x, platform::Twips y)
{
    using platform::ControlKind;
    const auto& controls = find<FakeWindow>(window).design().controls;
    const auto depth = [&window](const platform::ControlDesign* c) {
        return c->kind == ControlKind::PictureBox ? 2 : c->container == window ? 0 : 1;
    };
    const platform::ControlDesign* top = nullptr;
    for (auto c = controls.rbegin(); c != controls.rend(); ++c)
        if (c->kind != ControlKind::Timer && control(c->name).visible() && x >= c->left && x < c->left + c->width &&
            y >= c->top && y < c->top + c->height && (!top || depth(&*c) < depth(top)))
            top = &*c;
    if (!top)
        this->window(window).Click.raise();
    else if (top->kind == ControlKind::CheckBox)
        checkBox(top->name).setValue(checkBox(top->name).value() == 1 ? 0 : 1);
    else if (top->kind == ControlKind::CommandButton)
        commandButton(top->name).Click.raise();
    else if (top->kind == ControlKind::PictureBox)
        pictureBox(top->name).Click.raise();
}

void FakeUi::pressTab()
{
    auto at = std::find_if(tabOrder_.begin(), tabOrder_.end(), [this](auto* c) { return c->name == focus_; });
    do {
        at = std::next(at) == tabOrder_.end() ? tabOrder_.begin() : std::next(at);
    } while (!control((*at)->name).visible());
    const std::string left = std::exchange(focus_, (*at)->name);
    if (auto* box = dynamic_cast<FakeTextBox*>(objects_.at(left).get()))
        box->LostFocus.raise();
    if (auto* box = dynamic_cast<FakeTextBox*>(objects_.at(focus_).get()))
        box->GotFocus.raise();
}

}  // namespace fake
