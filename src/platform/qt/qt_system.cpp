// The primary screen's full size, a plain modal message box, and an end that runs no handler after it.
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

QSize screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        throw Failure("no screen");
    return screen->geometry().size();
}

}  // namespace

Twips QtScreen::width() const
{
    return toTwips(screenSize().width());
}

Twips QtScreen::height() const
{
    return toTwips(screenSize().height());
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
