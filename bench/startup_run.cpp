// The program's start as main makes it: windows built, handlers wired, the panel shown and painted.
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include "display/window_designs.h"
#include "form/form1.h"
#include "form/form1_design.h"
#include "measure.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/qt_window.h"
#include "runs.h"
#include "wiring.h"

namespace bench {

namespace {

class PaintSeen : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int runStartup()
{
    platform::qt::QtUi ui({form::form1Design(), display::form2Design(), display::form3Design()});
    Form1 form(ui);
    wireEvents(form);
    PaintSeen paint;
    dynamic_cast<platform::qt::QtWindow&>(form.Me).widget()->installEventFilter(&paint);
    form.Me.show();
    // Once the loop is back after the first paint, the panel and its controls are drawn.
    while (!paint.seen)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    printFigure("painted_at_ms", std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count());
    return 0;
}

}  // namespace bench
