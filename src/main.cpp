// Pixora's start: the command line, the Qt platform, the main window and its handlers, then the event loop.
#include <QApplication>
#include <QByteArray>
#include <QThreadPool>

#include <exception>
#include <iostream>
#include <optional>

#include "command_line.h"
#include "display/window_designs.h"
#include "form/form1.h"
#include "form/form1_design.h"
#include "platform/qt/qt_ui.h"
#include "wiring.h"

namespace {

// The program places its own windows on the screen, which Wayland does not let a client do; X11
// through the compositor's X server does. Many Wayland sessions ask every Qt program for Wayland; that
// gives way too, but a platform named otherwise (xcb, offscreen, ...) is the user's choice.
void preferX11()
{
    if (!qEnvironmentVariableIsSet("DISPLAY"))
        return;
    const QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    const bool waylandSession =
        qgetenv("XDG_SESSION_TYPE") == "wayland" || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (asked.isEmpty() ? waylandSession : asked.startsWith("wayland"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

}  // namespace

int main(int argc, char* argv[])
{
    preferX11();
    QApplication app(argc, argv);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        std::cerr << "pixora: on Wayland the desktop decides where windows go\n";
    // The program ends only by its own decision: Exit, or closing the main window.
    QApplication::setQuitOnLastWindowClosed(false);
    const std::optional<StartPlace> start = startPlaceFromCommandLine(app, argc, argv);

    int status = 0;
    {
        platform::qt::QtUi ui({form::form1Design(), display::form2Design(), display::form3Design()});
        Form1 form(ui);
        wireEvents(form);
        if (start) {
            try {
                openStartPlace(form, *start);
            } catch (const std::exception& failure) {
                std::cerr << "pixora: " << failure.what() << "\n";
            }
        }
        form.Me.show();
        status = QApplication::exec();
    }
    // The windows are gone and have cancelled what they asked the pool for: its threads end now,
    // before anything they might still touch is destroyed.
    QThreadPool::globalInstance()->waitForDone();
    return status;
}
