// The desktop services: the primary monitor, the message box and the end of the program.
#pragma once

#include <functional>

#include "platform/system.h"

namespace platform::qt {

class QtScreen : public Screen {
public:
    Area monitor() const override;
    Area workArea() const override;
};

class QtMessageBox : public MessageBox {
public:
    void show(const std::string& text, const std::string& title) override;
};

class QtProgram : public Program {
public:
    // closeWindows puts every window and timer out of reach before the event loop is left.
    explicit QtProgram(std::function<void()> closeWindows);
    void end() override;

private:
    std::function<void()> closeWindows_;
};

}  // namespace platform::qt
