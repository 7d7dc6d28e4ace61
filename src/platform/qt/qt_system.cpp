// The primary monitor and the part its panels leave free, a plain modal message box, and an end that
// runs no handler after it.
#include "platform/qt/qt_system.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <utility>

#include "platform/failure.h"
#include "platform/qt/pixels.h"

namespace platform::qt {

namespace {

const QScreen& primaryScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        throw Failure("no screen");
    return *screen;
}

Area toArea(const QRect& pixels)
{
    return {toTwips(pixels.x()), toTwips(pixels.y()), toTwips(pixels.width()), toTwips(pixels.height())};
}

}  // namespace

Area QtScreen::monitor() const
{
    return toArea(primaryScreen().geometry());
}

// On X11 Qt takes this from _NET_WORKAREA, which the window manager keeps clear of its panels.
Area QtScreen::workArea() const
{
    return toArea(primaryScreen().availableGeometry());
}

void QtMessageBox::show(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}

QtProgram::QtProgram(std::function<void()> closeWindows) : closeWindows_(std::move(closeWindows)) {}

void QtProgram::end()
{
    closeWindows_();
    // exit() rather than quit(): the loop must stop, not ask windows whether they agree.
    QCoreApplication::exit(0);
}

}  // namespace platform::qt
