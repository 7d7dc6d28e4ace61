// The main window as built from its design: nesting, stacking and focus order.
#include <QApplication>
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
using platform::qt::QtUi;
using platform::qt::QtWindow;
using platform::qt::toPixels;

class Form1Built : public ::testing::Test {
protected:
    QWidget* form1() const { return dynamic_cast<QtWindow&>(ui.window("Form1")).widget(); }
    QWidget* control(const std::string& name) const
    {
        return form1()->findChild<QWidget*>(QString::fromStdString(name));
    }

    mutable QtUi ui{{panel::form1Design(), display::form2Design(), display::form3Design()}};
};

TEST_F(Form1Built, EveryControlStandsInItsContainerWhereDesigned)
{
    for (const auto& c : panel::form1Design().controls) {
        if (c.kind == ControlKind::Timer)
            continue;
        const QWidget* w = control(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->parentWidget()->objectName().toStdString(), c.container) << c.name;
        EXPECT_EQ(w->pos(), QPoint(toPixels(c.left), toPixels(c.top))) << c.name;
        EXPECT_TRUE(!w->isHidden()) << c.name;
    }
}

TEST_F(Form1Built, ControlsBesideThePictureBoxStandInFrontOfIt)
{
    for (const char* name : {"cmdGo", "cmdExit", "Text1", "HScroll1", "File1"}) {
        const QWidget* w = control(name);
        QWidget* hit = form1()->childAt(w->geometry().center());
        ASSERT_NE(hit, nullptr) << name;
        EXPECT_TRUE(hit == w || w->isAncestorOf(hit)) << name << " is covered by " << hit->objectName().toStdString();
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
    const std::vector<std::string> expected{
        "Picture1",      "cmdExit",     "File1",          "Text1",     "Drive1",      "Dir1",
        "cmdGo",         "HScroll1",    "chkRandomize",   "chkLowerRight", "chkUpperRight", "chkReSize",
        "chkBlackOut",   "chkRandomPictures", "cmdResetRandomCycle", "Picture1"};
    EXPECT_EQ(walked, expected);
}

}  // namespace
