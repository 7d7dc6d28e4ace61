// The panel's captions fit their controls in the face that stands in for the one it was laid out in.
#include <QCheckBox>
#include <QFontInfo>
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
using platform::qt::QtUi;
using platform::qt::QtWindow;

class Captions : public ::testing::Test {
protected:
    template <typename Widget>
    Widget* control(const std::string& name)
    {
        QWidget* form1 = dynamic_cast<QtWindow&>(ui.window("Form1")).widget();
        return form1->findChild<Widget*>(QString::fromStdString(name));
    }

    static int textWidth(const QLabel* label) { return QFontMetrics(label->font()).horizontalAdvance(label->text()); }

    QtUi ui{{panel::form1Design(), display::form2Design(), display::form3Design()}};
};

TEST_F(Captions, EveryOneLineCaptionAndCheckBoxFitsItsControl)
{
    for (const auto& c : panel::form1Design().controls) {
        if (c.kind == ControlKind::Label) {
            const QLabel* label = control<QLabel>(c.name);
            ASSERT_NE(label, nullptr) << c.name;
            if (!label->wordWrap()) {
                EXPECT_LE(textWidth(label), label->width())
                    << c.name << " in " << QFontInfo(label->font()).family().toStdString();
            }
        } else if (c.kind == ControlKind::CheckBox) {
            const QCheckBox* box = control<QCheckBox>(c.name);
            ASSERT_NE(box, nullptr) << c.name;
            EXPECT_LE(box->sizeHint().width(), box->width())
                << c.name << " in " << QFontInfo(box->font()).family().toStdString();
        }
    }
}

TEST_F(Captions, OnlyACaptionTooWideIsSqueezed)
{
    const QLabel* speed = control<QLabel>("Label1");
    const QFont unsqueezed = control<QLabel>("Label3")->font();
    ui.label("Label1").setCaption("<" + std::string(80, '-') + ">");
    EXPECT_LT(speed->font().stretch(), QFont::Unstretched);
    EXPECT_LE(textWidth(speed), speed->width());
    EXPECT_EQ(speed->font().family(), unsqueezed.family());
    EXPECT_EQ(speed->font().pointSize(), unsqueezed.pointSize());

    ui.label("Label1").setCaption("<--------------Slower    SPEED,  5Sec  Faster ----------------->");
    EXPECT_EQ(speed->font().stretch(), QFont::Unstretched);
}

}  // namespace
