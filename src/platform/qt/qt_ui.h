// The Qt platform as the handlers see it: windows and controls built from their designs, by name.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock_random.h"
#include "platform/design.h"
#include "platform/qt/failure_log.h"
#include "platform/qt/idle_prefetch.h"
#include "platform/qt/qt_picture_loader.h"
#include "platform/qt/qt_session.h"
#include "platform/qt/qt_system.h"
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
    std::function<void()> closeRequest(const WindowDesign& design, bool mainWindow);
    void closeWindows();
    template <typename Kind>
    Kind& control(const std::string& name);

    std::map<std::string, std::unique_ptr<Control>> controls_;
    std::map<std::string, std::unique_ptr<QtTimer>> timers_;
    // Declared after the controls, so the widgets go before the objects whose events they raise.
    std::map<std::string, std::unique_ptr<QtWindow>> windows_;
    QtScreen screen_;
    QtPictureLoader decoder_;
    IdlePrefetchLoader pictures_{decoder_};
    QtMessageBox messageBox_;
    ClockRandom random_;
    QtProgram program_;
    QtSession session_;
    QtFailureLog failureLog_;
};

}  // namespace platform::qt
