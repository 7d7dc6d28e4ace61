// The main window as built from its design: nesting and captions that fit.
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

#include "display/window_designs.h"
#include "panel/form1_design.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/qt_window.h"

namespace {

using platform::ControlKind;
using platform::qt::QtWindow;

class Form1Built : public ::testing::Test {
protected:
    QWidget* form1() { return dynamic_cast<QtWindow&>(ui.window("Form1")).widget(); }
    QWidget* control(const std::string& name) { return form1()->findChild<QWidget*>(QString::fromStdString(name)); }

    static int textWidth(const QLabel* label) { return QFontMetrics(label->font()).horizontalAdvance(label->text()); }

    platform::qt::QtUi ui{{panel::form1Design(), display::form2Design(), display::form3Design()}};
};

// A one-line caption too wide for its label, and only such a caption, is squeezed to fit.
TEST_F(Form1Built, EveryControlSitsInItsContainerAndItsOneLineCaptionFits)
{
    for (const auto& c : panel::form1Design().controls) {
        if (c.kind == ControlKind::Timer)
            continue;
        const QWidget* w = control(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->parentWidget()->objectName().toStdString(), c.container) << c.name;
        const auto* label = qobject_cast<const QLabel*>(w);
        if (label && !label->wordWrap()) {
            EXPECT_LE(textWidth(label), label->width()) << c.name;
        } else if (c.kind == ControlKind::CheckBox) {
            EXPECT_LE(w->sizeHint().width(), w->width()) << c.name;
        }
    }

    const auto* speed = qobject_cast<const QLabel*>(control("Label1"));
    const QFont unsqueezed = control("Label3")->font();
    ui.label("Label1").setCaption("<" + std::string(80, '-') + ">");
    EXPECT_LT(speed->font().stretch(), QFont::Unstretched);
    EXPECT_EQ(speed->font().family(), unsqueezed.family());
    EXPECT_EQ(speed->font().pointSize(), unsqueezed.pointSize());
    ui.label("Label1").setCaption("<--------------Slower    SPEED,  5Sec  Faster ----------------->");
    EXPECT_EQ(speed->font().stretch(), QFont::Unstretched);
}

}  // namespace
