// The whole platform in memory, built from the program's own window designs.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/design.h"
#include "platform/failure.h"
#include "platform/ui.h"

namespace fake {

// What was done to the windows, the pictures and the message box, in order: "Form2.show",
// "Pictures.load /pics/a.bmp" (with " fitted" when loaded to be fitted),
// "Form2.paintPicture /pics/a.bmp 0 0 11500 6250". Reads are not recorded.
struct Journal : std::vector<std::string> {
    // The entries that begin with prefix: "Form2." gives everything done to Form2.
    std::vector<std::string> startingWith(const std::string& prefix) const;
};

// Twips as the journal writes them: exact, so a half twip shows as ".5".
std::string text(platform::Twips twips);

struct FakePicture : platform::Picture {
    FakePicture(std::string file, platform::Twips width, platform::Twips height)
        : path(std::move(file)), width_(width), height_(height) {}
    platform::Twips width() const override { return width_; }
    platform::Twips height() const override { return height_; }
    std::string path;
    platform::Twips width_, height_;
};

// Whatever the fake UI can find by name.
struct Object {
    virtual ~Object() = default;
};

// Setting a value raises the control's event only when the value changes.
template <class Interface>
struct FakeControl : Interface, Object {
    bool visible() const override { return visible_; }
    void setVisible(bool on) override { visible_ = on; }
    template <class T>
    static void assign(T& slot, const T& value, const platform::Event& event)
    {
        if (slot == value)
            return;
        slot = value;
        event.raise();
    }
    bool visible_ = true;
};

using FakeCommandButton = FakeControl<platform::CommandButton>;

// A check box or a scroll bar; a value outside its range fails.
template <class Interface, platform::Event Interface::*event>
struct FakeValue : FakeControl<Interface> {
    FakeValue(int value, int low, int high) : value_(value), low_(std::min(low, high)), high_(std::max(low, high)) {}
    int value() const override { return value_; }
    void setValue(int value) override
    {
        if (value < low_ || value > high_)
            throw platform::Failure("value out of range");
        this->assign(value_, value, this->*event);
    }
    int value_, low_, high_;
};
using FakeCheckBox = FakeValue<platform::CheckBox, &platform::CheckBox::Click>;
using FakeScrollBar = FakeValue<platform::ScrollBar, &platform::ScrollBar::Change>;

struct FakeLabel : FakeControl<platform::Label> {
    explicit FakeLabel(std::string caption) : caption_(std::move(caption)) {}
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    std::string caption_;
};

struct FakeTextBox : FakeControl<platform::TextBox> {
    explicit FakeTextBox(std::string text) : text_(std::move(text)) {}
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { assign(text_, text, Change); }
    std::string text_;
};

struct FakeTimer : platform::Timer, Object {
    FakeTimer(std::string name, int interval, Journal& journal)
        : name_(std::move(name)), interval_(interval), journal_(journal)
    {
    }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override
    {
        enabled_ = on;
        if (on)
            journal_.push_back(name_ + ".start");
    }
    int interval() const override { return interval_; }
    void setInterval(int ms) override { interval_ = ms; }
    // One interval has passed: Tick is raised only while the timer is enabled, as on the desktop.
    void fire() const
    {
        if (enabled_)
            Tick.raise();
    }
    bool enabled_ = true;
    std::string name_;
    int interval_;
    Journal& journal_;
};

// Sizes itself to the picture, as the program's picture box does.
struct FakePictureBox : FakeControl<platform::PictureBox> {
    FakePictureBox(platform::Twips width, platform::Twips height) : width_(width), height_(height) {}
    platform::PicturePtr picture() const override { return picture_; }
    void setPicture(platform::PicturePtr picture) override
    {
        if (picture) {
            width_ = picture->width();
            height_ = picture->height();
        }
        picture_ = std::move(picture);
    }
    platform::Twips width() const override { return width_; }
    platform::Twips height() const override { return height_; }
    void setWidth(platform::Twips width) override { width_ = width; }
    void setHeight(platform::Twips height) override { height_ = height; }
    platform::PicturePtr picture_;
    platform::Twips width_, height_;
};

// Each folder that exists, with the entries the file list shows for it, in list order. A drive is
// a folder named as the drive list names it ("/", "/media/usb").
using Folders = std::map<std::string, std::vector<std::string>>;

struct FakeDriveList : FakeControl<platform::DriveList> {
    std::string drive() const override { return drive_; }
    void setDrive(const std::string& drive) override { assign(drive_, drive, Change); }
    std::string drive_ = "/";
};

// Opens only folders of the model, so a drive missing from it is a drive that is not ready.
struct FakeDirList : FakeControl<platform::DirList> {
    explicit FakeDirList(const Folders& folders) : folders_(folders) {}
    std::string path() const override { return path_; }
    void setPath(const std::string& path) override
    {
        if (folders_.count(path) == 0)
            throw platform::Failure("cannot open " + path);
        assign(path_, path, Change);
    }
    const Folders& folders_;
    std::string path_ = "/";
};

struct FakeFileList : FakeControl<platform::FileList> {
    FakeFileList(const Folders& folders, std::string pattern) : folders_(folders), pattern_(std::move(pattern)) {}
    std::string path() const override { return path_; }
    void setPath(const std::string& path) override
    {
        if (path != path_)
            index_ = -1;
        assign(path_, path, PathChange);
    }
    std::string pattern() const override { return pattern_; }
    int listCount() const override { return folders_.count(path_) ? static_cast<int>(folders_.at(path_).size()) : 0; }
    int listIndex() const override { return index_; }
    void setListIndex(int index) override
    {
        if (index != -1)
            entry(index);  // throws outside the list
        index_ = index;
        Click.raise();
    }
    // The user clicks an entry, or the blank part below the entries (a row past the end), with Ctrl
    // held or not: the selection moves, but the user cannot empty it.
    void userClick(int row, bool ctrl)
    {
        if (row >= 0 && row < listCount() && !(ctrl && row == index_))
            assign(index_, row, Click);
    }
    std::string fileName() const override { return index_ < 0 ? "" : entry(index_); }
    std::string entry(int index) const override
    {
        if (index < 0 || index >= listCount())
            throw platform::Failure("no entry " + std::to_string(index));
        return folders_.at(path_)[static_cast<std::size_t>(index)];
    }
    const Folders& folders_;
    std::string pattern_;
    std::string path_ = "/";
    int index_ = -1;
};

// Geometry in exact twips. Every operation but asking loaded(), visible() or enabled() loads the
// window first, which raises Load once.
class FakeWindow : public platform::Window, public Object {
public:
    // order holds every window, the one shown last first.
    FakeWindow(const platform::WindowDesign& design, Journal& journal, std::vector<const FakeWindow*>& order)
        : design_(design), journal_(journal), order_(order) {}
    const std::string& name() const { return design_.name; }
    const platform::WindowDesign& design() const { return design_; }
    // From now on the named operation ("setWidth", "paintPicture") throws Failure, unrecorded.
    void failOn(const std::string& operation) { failing_.insert(operation); }

    platform::Twips left() const override { load(); return s_.left; }
    platform::Twips top() const override { load(); return s_.top; }
    platform::Twips width() const override { load(); return s_.width; }
    platform::Twips height() const override { load(); return s_.height; }
    void setLeft(platform::Twips left) override { act("setLeft", text(left)); s_.left = left; }
    void setTop(platform::Twips top) override { act("setTop", text(top)); s_.top = top; }
    void setWidth(platform::Twips width) override { act("setWidth", text(width)); s_.width = width; }
    void setHeight(platform::Twips height) override { act("setHeight", text(height)); s_.height = height; }

    bool loaded() const override { return loaded_; }
    bool visible() const override { return s_.visible; }
    bool enabled() const override { return s_.enabled; }
    void show() override
    {
        act("show");
        s_.visible = true;
        const auto at = std::find(order_.begin(), order_.end(), this);
        std::rotate(order_.begin(), at, at + 1);
    }
    void hide() override { act("hide"); s_.visible = false; }
    void setEnabled(bool on) override { act("setEnabled", on ? "true" : "false"); s_.enabled = on; }
    void unload() override
    {
        if (!loaded_)
            return;
        act("unload");
        loaded_ = false;
        s_ = {0, 0, design_.clientWidth, design_.clientHeight};
    }
    void paintPicture(const platform::Picture& picture, platform::Twips x, platform::Twips y,
                      platform::Twips width, platform::Twips height) override
    {
        act("paintPicture", static_cast<const FakePicture&>(picture).path + " " + text(x) + " " + text(y) + " " +
                                text(width) + " " + text(height));
    }
    void refresh() override { act("refresh"); }

private:
    // What unloading forgets.
    struct State {
        platform::Twips left = 0, top = 0, width, height;
        bool visible = false, enabled = true;
    };
    void load() const
    {
        if (!std::exchange(loaded_, true))
            Load.raise();
    }
    void act(const std::string& operation, const std::string& args = {})
    {
        if (failing_.count(operation) != 0)
            throw platform::Failure(name() + "." + operation + " told to fail");
        load();
        journal_.push_back(name() + "." + operation + (args.empty() ? "" : " " + args));
    }

    const platform::WindowDesign& design_;
    Journal& journal_;
    std::vector<const FakeWindow*>& order_;
    std::set<std::string> failing_;
    mutable bool loaded_ = false;
    State s_{0, 0, design_.clientWidth, design_.clientHeight};
};

// The desktop around the windows: the screen; the files, serving the pictures added to it (any other
// path fails as an unreadable file); the message box; the session told whether a show runs; the log of
// each failure passed over (as "where: reason"); and the end of the program.
struct FakeDesktop : platform::Screen,
                     platform::PictureLoader,
                     platform::MessageBox,
                     platform::Session,
                     platform::FailureLog,
                     platform::Program {
    explicit FakeDesktop(Journal& journal) : journal_(journal) {}
    platform::Area monitor() const override { return monitor_; }
    platform::Area workArea() const override { return workArea_; }
    void add(const std::string& path, platform::Twips width, platform::Twips height)
    {
        files_[path] = std::make_shared<FakePicture>(path, width, height);
    }
    platform::PicturePtr load(const std::string& path, platform::PictureUse use) override
    {
        journal_.push_back("Pictures.load " + path + suffix(use));
        if (files_.count(path) == 0)
            throw platform::Failure("cannot read " + path);
        return files_.at(path);
    }
    void prefetch(const std::string& path, platform::PictureUse use) override
    {
        journal_.push_back("Pictures.prefetch " + path + suffix(use));
    }
    void prefetchWhenIdle(const std::string& path, platform::PictureUse use) override
    {
        journal_.push_back("Pictures.prefetchWhenIdle " + path + suffix(use));
    }
    // " fitted", or where an own-size picture's window is anchored unless it is centred: " at 2 0".
    static std::string suffix(platform::PictureUse use)
    {
        const auto at = [](platform::Anchor a) { return " " + std::to_string(static_cast<int>(a)); };
        return use.fitted                            ? " fitted"
               : use == platform::PictureUse::OwnSize ? ""
                                                      : " at" + at(use.horizontal) + at(use.vertical);
    }
    void show(const std::string& text, const std::string& title) override
    {
        journal_.push_back("MsgBox.show " + text + " | " + title);
    }
    void setShowRunning(bool running) override { lastTold = running; }
    void passedOver(const std::string& where, const std::string& reason) override
    {
        entries.push_back(where + ": " + reason);
    }
    void end() override {}
    Journal& journal_;
    std::map<std::string, platform::PicturePtr> files_;
    platform::Area monitor_{0, 0, 12000, 9000}, workArea_ = monitor_;
    std::optional<bool> lastTold;
    std::vector<std::string> entries;
};

// Returns the numbers last scripted in order, then the last one for ever (0 when none was scripted);
// a fork reads on from the same place without using any up.
struct FakeRandom : platform::Random {
    void script(std::vector<double> numbers) { numbers_ = std::move(numbers); next_ = 0; }
    void reseed() override {}
    double next() override { return numbers_.empty() ? 0.0 : numbers_[std::min(next_++, numbers_.size() - 1)]; }
    std::unique_ptr<platform::Random> fork() const override { return std::make_unique<FakeRandom>(*this); }
    std::vector<double> numbers_;
    std::size_t next_ = 0;
};

class FakeUi : public platform::Ui {
public:
    FakeUi();

    Journal journal;
    // The folders that exist; a test fills them.
    Folders folders;

    FakeWindow& window(const std::string& name) override { return find<FakeWindow>(name); }
    FakeCheckBox& checkBox(const std::string& name) override { return find<FakeCheckBox>(name); }
    FakeCommandButton& commandButton(const std::string& name) override { return find<FakeCommandButton>(name); }
    FakeLabel& label(const std::string& name) override { return find<FakeLabel>(name); }
    FakeTextBox& textBox(const std::string& name) override { return find<FakeTextBox>(name); }
    FakeScrollBar& scrollBar(const std::string& name) override { return find<FakeScrollBar>(name); }
    FakeTimer& timer(const std::string& name) override { return find<FakeTimer>(name); }
    FakePictureBox& pictureBox(const std::string& name) override { return find<FakePictureBox>(name); }
    FakeDriveList& driveList(const std::string& name) override { return find<FakeDriveList>(name); }
    FakeDirList& dirList(const std::string& name) override { return find<FakeDirList>(name); }
    FakeFileList& fileList(const std::string& name) override { return find<FakeFileList>(name); }

    FakeDesktop& screen() override { return desktop_; }
    FakeDesktop& pictures() override { return desktop_; }
    FakeDesktop& messageBox() override { return desktop_; }
    FakeRandom& random() override { return random_; }
    FakeDesktop& program() override { return desktop_; }
    FakeDesktop& session() override { return desktop_; }
    FakeDesktop& failureLog() override { return desktop_; }

    // The names of the visible windows, the one in front first.
    std::vector<std::string> frontToBack() const;

    // The user clicks a point of the window: the visible control in front there takes it (a check box
    // toggles, a button or a picture box is clicked, a label does nothing), else the window.
    void click(const std::string& window, platform::Twips x, platform::Twips y);
    // The user presses Tab: the focus moves to the next visible control in tab order.
    void pressTab();
    const std::string& focused() const { return focus_; }

private:
    // Throws for a name the fake was not built with, or one of another kind.
    template <class Fake>
    Fake& find(const std::string& name)
    {
        const auto found = objects_.find(name);
        if (auto* fake = found == objects_.end() ? nullptr : dynamic_cast<Fake*>(found->second.get()))
            return *fake;
        throw platform::Failure("no " + name + " of that kind");
    }
    std::unique_ptr<Object> makeControl(const platform::ControlDesign& design);
    platform::Control& control(const std::string& name) { return dynamic_cast<platform::Control&>(*objects_.at(name)); }

    FakeDesktop desktop_{journal};
    FakeRandom random_;
    std::map<std::string, std::unique_ptr<Object>> objects_;
    std::vector<const FakeWindow*> frontToBack_;
    std::vector<const platform::ControlDesign*> tabOrder_;
    std::string focus_;
};

}  // namespace fake
