// The main window as built from its design: nesting, focus order, and captions that fit.
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "display/window_designs.h"
#include "panel/form1_design.h"
#include "platform/qt/pixels.h"
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

TEST_F(Form1Built, EveryControlStandsWhereDesignedAndItsOneLineCaptionFits)
{
    for (const auto& c : panel::form1Design().controls) {
        if (c.kind == ControlKind::Timer)
            continue;
        const QWidget* w = control(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->parentWidget()->objectName().toStdString(), c.container) << c.name;
        EXPECT_EQ(w->pos(), QPoint(platform::qt::toPixels(c.left), platform::qt::toPixels(c.top))) << c.name;
        EXPECT_TRUE(!w->isHidden()) << c.name;
        if (c.kind == ControlKind::Label) {
            const auto* label = qobject_cast<const QLabel*>(w);
            ASSERT_NE(label, nullptr) << c.name;
            if (!label->wordWrap()) {
                EXPECT_LE(textWidth(label), label->width()) << c.name;
            }
        } else if (c.kind == ControlKind::CheckBox) {
            ASSERT_NE(qobject_cast<const QCheckBox*>(w), nullptr) << c.name;
            EXPECT_LE(w->sizeHint().width(), w->width()) << c.name;
        }
    }
}

TEST_F(Form1Built, TabWalksTheControlsInTabIndexOrder)
{
    std::set<std::string> names;
    for (const auto& c : panel::form1Design().controls)
        names.insert(c.name);
    // The control that holds the focus, also when the focus sits on a widget inside it.
    const auto focused = [&names] {
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
            if (names.count(w->objectName().toStdString()) != 0)
                return w->objectName().toStdString();
        }
        return std::string("(none)");
    };
    ui.window("Form1").show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1()));

    std::vector<std::string> walked{focused()};
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.push_back(focused());
    }
    const std::vector<std::string> expected{"Picture1", "cmdExit", "File1", "Text1", "Drive1", "Dir1", "cmdGo",
        "HScroll1", "chkRandomize", "chkLowerRight", "chkUpperRight", "chkReSize", "chkBlackOut",
        "chkRandomPictures", "cmdResetRandomCycle", "Picture1"};
    EXPECT_EQ(walked, expected);
}

TEST_F(Form1Built, OnlyACaptionTooWideIsSqueezed)
{
    const auto* speed = qobject_cast<const QLabel*>(control("Label1"));
    const QFont unsqueezed = control("Label3")->font();
    ui.label("Label1").setCaption("<" + std::string(80, '-') + ">");
    EXPECT_LT(speed->font().stretch(), QFont::Unstretched);
    EXPECT_LE(textWidth(speed), speed->width());
    EXPECT_EQ(speed->font().family(), unsqueezed.family());
    EXPECT_EQ(speed->font().pointSize(), unsqueezed.pointSize());

    ui.label("Label1").setCaption("<--------------Slower    SPEED,  5Sec  Faster ----------------->");
    EXPECT_EQ(speed->font().stretch(), QFont::Unstretched);
}

}  // namespace
