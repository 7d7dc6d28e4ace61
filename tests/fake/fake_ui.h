// The whole platform in memory, built from the program's own window designs.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fake/fake_controls.h"
#include "fake/fake_lists.h"
#include "fake/fake_system.h"
#include "fake/fake_window.h"
#include "fake/probe.h"
#include "platform/failure.h"
#include "platform/ui.h"

namespace fake {

class FakeUi : public platform::Ui {
public:
    FakeUi();

    // Every change made through the platform, in order.
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

    FakeScreen& screen() override { return screen_; }
    FakePictureLoader& pictures() override { return pictures_; }
    FakeMessageBox& messageBox() override { return messageBox_; }
    FakeRandom& random() override { return random_; }
    FakeProgram& program() override { return program_; }
    FakeSession& session() override { return session_; }

    // The names of the visible windows, the one in front first.
    std::vector<std::string> frontToBack() const;

private:
    Probe* object(const std::string& name);
    // Throws for a name the fake was not built with, or one of another kind.
    template <class Fake>
    Fake& find(const std::string& name)
    {
        if (auto* fake = dynamic_cast<Fake*>(object(name)))
            return *fake;
        throw platform::Failure("no " + name + " of that kind");
    }
    void build(const platform::WindowDesign& design);
    std::unique_ptr<Probe> makeControl(const platform::ControlDesign& design);

    FakeScreen screen_{journal};
    FakePictureLoader pictures_{journal};
    FakeMessageBox messageBox_{journal};
    FakeRandom random_{journal};
    FakeProgram program_{journal};
    FakeSession session_;
    std::uint64_t shows_ = 0;
    std::map<std::string, std::unique_ptr<Probe>> objects_;
    std::vector<const FakeWindow*> windows_;
};

}  // namespace fake
