// The real program on the offscreen Qt platform over a folder of the test's own, ticked by hand.
#pragma once

#include <stdlib.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QSize>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "display/window_designs.h"
#include "engine/slide_tick.h"
#include "panel/form1.h"
#include "panel/form1_design.h"
#include "platform/qt/pixels.h"
#include "platform/qt/qt_ui.h"
#include "wiring.h"

class HostileShow : public ::testing::Test {
protected:
    HostileShow()
    {
        wireEvents(form);
        form.Me.show();
    }

    // Removed by bytes, since some names the tests write are no Unicode.
    ~HostileShow() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::string path(const std::string& name) const { return folder + "/" + name; }

    void write(const std::string& name, const QByteArray& bytes) const
    {
        std::ofstream file(path(name), std::ios::binary);
        ASSERT_TRUE(file.write(bytes.constData(), bytes.size()).flush()) << name;
    }

    // Through the folder list, as the user opens a folder; Dir1_Change moves File1 after it.
    void openFolder() { form.Dir1.setPath(folder); }

    // Go, with the timer stopped again at once: the tests tick by hand.
    void go()
    {
        form.cmdGo.Click.raise();
        form.Timer1.setEnabled(false);
        returnToEventLoop();
    }

    void tick()
    {
        Timer1_Timer(form);
        returnToEventLoop();
    }

    // What the event loop does between two events; objects deleted later go too, as they do there.
    static void returnToEventLoop()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void stop() { form.Picture1.DblClick.raise(); }

    bool panelShown() const { return form.cmdGo.visible() && form.File1.visible() && form.Text1.visible(); }

    QSize shownSize() const
    {
        return {platform::qt::toPixels(form.Picture1.width()), platform::qt::toPixels(form.Picture1.height())};
    }

    static std::string makeFolder()
    {
        std::string pattern = std::filesystem::temp_directory_path().string() + "/pixora-hostile.XXXXXX";
        return ::mkdtemp(pattern.data()) ? pattern : std::string();
    }

    const std::string folder = makeFolder();
    platform::qt::QtUi ui{{panel::form1Design(), display::form2Design(), display::form3Design()}};
    Form1 form{ui};
};

// A field of /proc/self/status in kilobytes (VmRSS: resident memory, VmPeak: the most address
// space ever mapped); -1 when it cannot be read.
inline long long statusKilobytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stoll(line.substr(field.size() + 1));
    }
    return -1;
}
