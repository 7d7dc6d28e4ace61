// The Qt platform as the handlers see it: windows and controls built from their designs, by name.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/design.h"
#include "platform/ui.h"

namespace platform::qt {

class QtTimer;
class QtWindow;

class QtUi : public Ui {
public:
    // The first design is the main window: it hosts the controls, and closing it ends the program.
    explicit QtUi(const std::vector<WindowDesign>& designs);
    ~QtUi() override;
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    Window& window(const std::string& name) override;
    CheckBox& checkBox(const std::string& name) override;
    CommandButton& commandButton(const std::string& name) override;
    Label& label(const std::string& name) override;
    TextBox& textBox(const std::string& name) override;
    ScrollBar& scrollBar(const std::string& name) override;
    Timer& timer(const std::string& name) override;
    PictureBox& pictureBox(const std::string& name) override;
    DriveList& driveList(const std::string& name) override;
    DirList& dirList(const std::string& name) override;
    FileList& fileList(const std::string& name) override;

    Screen& screen() override;
    PictureLoader& pictures() override;
    MessageBox& messageBox() override;
    Random& random() override;
    Program& program() override;
    Session& session() override;
    FailureLog& failureLog() override;

private:
    void buildControls(const WindowDesign& design, QtWindow& window);
    // A file list showing a folder that is opened again lists it again.
    void rereadFilesOnReopen();
    std::function<void()> closeRequest(const WindowDesign& design, bool mainWindow);
    void closeWindows();
    template <typename Kind>
    Kind& control(const std::string& name);

    std::map<std::string, std::unique_ptr<Control>> controls_;
    std::map<std::string, std::unique_ptr<QtTimer>> timers_;
    // Declared after the controls, so the widgets go before the objects whose events they raise.
    std::map<std::string, std::unique_ptr<QtWindow>> windows_;
    // The desktop's services, behind a pointer so that includers need none of their headers.
    struct Services;
    std::unique_ptr<Services> services_;
};

}  // namespace platform::qt
