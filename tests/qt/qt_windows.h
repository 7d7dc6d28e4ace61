// The program's three windows on the Qt platform as the tests make them, their widgets, and the program on them.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "display/window_designs.h"
#include "form/form1.h"
#include "form/form1_design.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/qt_window.h"
#include "wiring.h"

struct QtWindows {
    // Objects deleted later go before the windows, as they would in the event loop.
    ~QtWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QWidget* widgetOf(const char* name) { return dynamic_cast<platform::qt::QtWindow&>(ui.window(name)).widget(); }
    // A control of the main window.
    template <typename Widget = QWidget>
    Widget* control(const char* name)
    {
        return widgetOf("Form1")->findChild<Widget*>(name);
    }
    QWidget* picture1() { return control("Picture1"); }

    platform::qt::QtUi ui{{form::form1Design(), display::form2Design(), display::form3Design()}};
};

// The program with its own handlers, its panel shown.
struct QtProgram : QtWindows {
    QtProgram()
    {
        wireEvents(form);
        form.Me.show();
    }

    Form1 form{ui};
};
