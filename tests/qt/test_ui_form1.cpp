// The main window as built from its design: controls, nesting, stacking, captions, focus order.
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "display/window_designs.h"
#include "panel/form1_design.h"
#include "platform/failure.h"
#include "platform/qt/pixels.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/qt_window.h"

namespace {

using platform::ControlKind;
using platform::Failure;
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

    // The control that holds the focus, also when the focus sits on a widget inside it.
    std::string focusedControl() const
    {
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
            if (controlNames.count(w->objectName().toStdString()) != 0)
                return w->objectName().toStdString();
        }
        return "(none)";
    }

    mutable QtUi ui{{panel::form1Design(), display::form2Design(), display::form3Design()}};
    std::set<std::string> controlNames = [] {
        std::set<std::string> names;
        for (const auto& c : panel::form1Design().controls)
            names.insert(c.name);
        return names;
    }();
};

TEST_F(Form1Built, EveryControlStandsInItsContainerWhereDesigned)
{
    int built = 0;
    for (const auto& c : panel::form1Design().controls) {
        if (c.kind == ControlKind::Timer)
            continue;
        const QWidget* w = control(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->parentWidget()->objectName().toStdString(), c.container) << c.name;
        EXPECT_EQ(w->pos(), QPoint(toPixels(c.left), toPixels(c.top))) << c.name;
        EXPECT_TRUE(!w->isHidden()) << c.name;
        ++built;
    }
    EXPECT_EQ(built, 18);
    EXPECT_EQ(ui.timer("Timer1").interval(), 5000);
    EXPECT_TRUE(ui.timer("Timer1").enabled());
}

TEST_F(Form1Built, StartsWithTheDesignedCaptionsAndEmptyValues)
{
    EXPECT_EQ(ui.label("Label2").caption().size(), 300u);
    EXPECT_EQ(ui.label("Label3").caption().size(), 104u);
    EXPECT_EQ(ui.label("Label1").caption().size(), 70u);
    EXPECT_EQ(ui.textBox("Text1").text(), "");
    for (const char* box : {"chkRandomPictures", "chkBlackOut", "chkReSize", "chkUpperRight", "chkLowerRight",
                            "chkRandomize"})
        EXPECT_EQ(ui.checkBox(box).value(), 0) << box;
    EXPECT_EQ(ui.scrollBar("HScroll1").value(), 5000);
    EXPECT_EQ(control("cmdGo")->font().pointSize(), 18);
    EXPECT_EQ(form1()->windowTitle(), "Pixora By Tavren");
    EXPECT_FALSE(form1()->windowIcon().isNull());
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
    ui.window("Form1").show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1()));

    std::vector<std::string> walked{focusedControl()};
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walked.push_back(focusedControl());
    }
    const std::vector<std::string> expected{
        "Picture1",      "cmdExit",     "File1",          "Text1",     "Drive1",      "Dir1",
        "cmdGo",         "HScroll1",    "chkRandomize",   "chkLowerRight", "chkUpperRight", "chkReSize",
        "chkBlackOut",   "chkRandomPictures", "cmdResetRandomCycle", "Picture1"};
    EXPECT_EQ(walked, expected);
}

TEST_F(Form1Built, AltXPressesExit)
{
    int exits = 0;
    ui.commandButton("cmdExit").Click.connect([&] { ++exits; });
    ui.window("Form1").show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1()));
    QTest::keyClick(form1(), Qt::Key_X, Qt::AltModifier);
    // A shortcut presses the button visibly, so the click comes from the event loop a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return exits > 0; }));
    EXPECT_EQ(exits, 1);
}

TEST_F(Form1Built, LookupsRefuseUnknownNamesAndWrongKinds)
{
    EXPECT_THROW(ui.window("Form4"), Failure);
    EXPECT_THROW(ui.checkBox("cmdGo"), Failure);
    EXPECT_THROW(ui.label("Label4"), Failure);
    EXPECT_THROW(ui.timer("HScroll1"), Failure);
    EXPECT_THROW(ui.pictureBox("Form1"), Failure);
    EXPECT_NO_THROW(ui.fileList("File1"));
}

}  // namespace
