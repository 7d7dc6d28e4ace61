// The platform as the handlers see it: windows and controls by name, and the desktop services.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/failure.h"
#include "platform/picture.h"
#include "platform/system.h"
#include "platform/window.h"

namespace platform {

// Every lookup throws Failure for a name the platform was not built with.
class Ui {
public:
    virtual ~Ui() = default;

    virtual Window& window(const std::string& name) = 0;
    virtual CheckBox& checkBox(const std::string& name) = 0;
    virtual CommandButton& commandButton(const std::string& name) = 0;
    virtual Label& label(const std::string& name) = 0;
    virtual TextBox& textBox(const std::string& name) = 0;
    virtual ScrollBar& scrollBar(const std::string& name) = 0;
    virtual Timer& timer(const std::string& name) = 0;
    virtual PictureBox& pictureBox(const std::string& name) = 0;
    virtual DriveList& driveList(const std::string& name) = 0;
    virtual DirList& dirList(const std::string& name) = 0;
    virtual FileList& fileList(const std::string& name) = 0;

    virtual Screen& screen() = 0;
    virtual PictureLoader& pictures() = 0;
    virtual MessageBox& messageBox() = 0;
    virtual Random& random() = 0;
    virtual Program& program() = 0;
    virtual Session& session() = 0;
    virtual FailureLog& failureLog() = 0;
};

}  // namespace platform
