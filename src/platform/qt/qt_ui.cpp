// Builds the windows and their controls from the designs and finds them by name and kind.
#include "platform/qt/qt_ui.h"

#include <QWidget>
#include <algorithm>
#include <utility>

#include "platform/clock_random.h"
#include "platform/desktop/qt_session.h"
#include "platform/failure.h"
#include "platform/qt/failure_log.h"
#include "platform/qt/fonts.h"
#include "platform/qt/handler_wait.h"
#include "platform/qt/idle_prefetch.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_lists.h"
#include "platform/qt/qt_picture_box.h"
#include "platform/qt/qt_picture_loader.h"
#include "platform/qt/qt_system.h"
#include "platform/qt/qt_timer.h"
#include "platform/qt/qt_window.h"

namespace platform::qt {

struct QtUi::Services {
    explicit Services(std::function<void()> closeWindows) : program(std::move(closeWindows)) {}

    QtScreen screen;
    QtPictureLoader decoder;
    IdlePrefetchLoader pictures{decoder};
    QtMessageBox messageBox;
    ClockRandom random;
    QtProgram program;
    QtSession session;
    QtFailureLog failureLog;
};

namespace {

struct Built {
    std::unique_ptr<Control> control;
    QWidget* widget;
};

template <typename QtKind>
Built build(const ControlDesign& design, QWidget* parent)
{
    auto control = std::make_unique<QtKind>(design, parent);
    QWidget* widget = control->widget();
    return {std::move(control), widget};
}

Built buildControl(const ControlDesign& design, QWidget* parent)
{
    switch (design.kind) {
    case ControlKind::ScrollBar:
        return build<QtScrollBar>(design, parent);
    case ControlKind::CommandButton:
        return build<QtCommandButton>(design, parent);
    case ControlKind::DirList:
        return build<QtDirList>(design, parent);
    case ControlKind::DriveList:
        return build<QtDriveList>(design, parent);
    case ControlKind::TextBox:
        return build<QtTextBox>(design, parent);
    case ControlKind::FileList:
        return build<QtFileList>(design, parent);
    case ControlKind::PictureBox:
        return build<QtPictureBox>(design, parent);
    case ControlKind::CheckBox:
        return build<QtCheckBox>(design, parent);
    case ControlKind::Label:
        return build<QtLabel>(design, parent);
    case ControlKind::Timer:
        break;
    }
    throw Failure("a timer is no control with a widget: " + design.name);
}

}  // namespace

QtUi::QtUi(const std::vector<WindowDesign>& designs) : services_(std::make_unique<Services>([this] { closeWindows(); }))
{
    for (std::size_t i = 0; i < designs.size(); ++i) {
        const WindowDesign& design = designs[i];
        auto window = std::make_unique<QtWindow>(design, closeRequest(design, i == 0));
        if (!design.controls.empty())
            buildControls(design, *window);
        windows_.emplace(design.name, std::move(window));
    }
    rereadFilesOnReopen();
}

QtUi::~QtUi() = default;

void QtUi::buildControls(const WindowDesign& design, QtWindow& window)
{
    std::map<std::string, QWidget*> containers{{design.name, window.host()}};
    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (const ControlDesign& c : design.controls) {
        if (controls_.count(c.name) != 0 || timers_.count(c.name) != 0)
            throw Failure("two controls named " + c.name);
        if (c.kind == ControlKind::Timer) {
            timers_.emplace(c.name, std::make_unique<QtTimer>(c));
            continue;
        }
        const auto container = containers.find(c.container);
        if (container == containers.end())
            throw Failure("unknown container " + c.container + " of " + c.name);
        Built built = buildControl(c, container->second);
        built.widget->setObjectName(QString::fromStdString(c.name));
        if (c.fontPoints > 0)
            built.widget->setFont(designFont(c.fontName, c.fontPoints));
        if (c.tabIndex >= 0 && built.widget->focusPolicy() != Qt::NoFocus)
            focusOrder.emplace_back(c.tabIndex, built.widget);
        // A picture box is the ground the panel is laid on: the controls beside it stand in front.
        // A press a control ignores, on a label or beside a check box's caption, must not fall
        // through to the picture box and pause or start the show: every click inside a control is
        // the control's.
        if (c.kind == ControlKind::PictureBox) {
            built.widget->lower();
            containers.emplace(c.name, built.widget);
        } else {
            built.widget->setAttribute(Qt::WA_NoMousePropagation);
        }
        controls_.emplace(c.name, std::move(built.control));
    }
    std::sort(focusOrder.begin(), focusOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    // The first control in tab order holds the focus when the window opens.
    if (!focusOrder.empty())
        focusOrder.front().second->setFocus();
}

void QtUi::rereadFilesOnReopen()
{
    for (auto& [dirName, dirControl] : controls_) {
        auto* dir = dynamic_cast<QtDirList*>(dirControl.get());
        if (!dir)
            continue;
        dir->whenReopened([this](const std::string& folder) {
            for (auto& [fileName, fileControl] : controls_) {
                auto* files = dynamic_cast<QtFileList*>(fileControl.get());
                if (!files || files->path() != folder)
                    continue;
                try {
                    files->reread();
                } catch (const Failure& failure) {
                    passOver("file list", failure.what());
                }
            }
        });
    }
}

// A window closed from the desktop while a handler waits on a decode closes once the handler is
// done: closing it then would pull the window from under the handler.
std::function<void()> QtUi::closeRequest(const WindowDesign& design, bool mainWindow)
{
    if (mainWindow)
        return [this] { HandlerWait::whenEnded([this] { services_->program.end(); }); };
    // A black backdrop holds nothing worth keeping; any other window keeps its image for later.
    if (design.black)
        return [this, name = design.name] { HandlerWait::whenEnded([this, name] { windows_.at(name)->unload(); }); };
    return [this, name = design.name] { HandlerWait::whenEnded([this, name] { windows_.at(name)->hide(); }); };
}

void QtUi::closeWindows()
{
    for (auto& [name, timer] : timers_)
        timer->setEnabled(false);
    for (auto& [name, window] : windows_)
        window->unload();
}

template <typename Kind>
Kind& QtUi::control(const std::string& name)
{
    const auto found = controls_.find(name);
    Kind* kind = found == controls_.end() ? nullptr : dynamic_cast<Kind*>(found->second.get());
    if (!kind)
        throw Failure("no such control: " + name);
    return *kind;
}

Window& QtUi::window(const std::string& name)
{
    const auto found = windows_.find(name);
    if (found == windows_.end())
        throw Failure("no such window: " + name);
    return *found->second;
}

CheckBox& QtUi::checkBox(const std::string& name)
{
    return control<CheckBox>(name);
}

CommandButton& QtUi::commandButton(const std::string& name)
{
    return control<CommandButton>(name);
}

Label& QtUi::label(const std::string& name)
{
    return control<Label>(name);
}

TextBox& QtUi::textBox(const std::string& name)
{
    return control<TextBox>(name);
}

ScrollBar& QtUi::scrollBar(const std::string& name)
{
    return control<ScrollBar>(name);
}

Timer& QtUi::timer(const std::string& name)
{
    const auto found = timers_.find(name);
    if (found == timers_.end())
        throw Failure("no such timer: " + name);
    return *found->second;
}

PictureBox& QtUi::pictureBox(const std::string& name)
{
    return control<PictureBox>(name);
}

DriveList& QtUi::driveList(const std::string& name)
{
    return control<DriveList>(name);
}

DirList& QtUi::dirList(const std::string& name)
{
    return control<DirList>(name);
}

FileList& QtUi::fileList(const std::string& name)
{
    return control<FileList>(name);
}

Screen& QtUi::screen()
{
    return services_->screen;
}

PictureLoader& QtUi::pictures()
{
    return services_->pictures;
}

MessageBox& QtUi::messageBox()
{
    return services_->messageBox;
}

Random& QtUi::random()
{
    return services_->random;
}

Program& QtUi::program()
{
    return services_->program;
}

Session& QtUi::session()
{
    return services_->session;
}

FailureLog& QtUi::failureLog()
{
    return services_->failureLog;
}

}  // namespace platform::qt
