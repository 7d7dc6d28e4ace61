// The control contract, run unchanged on the fake and on Qt: which change raises which event, whose a
// click is, what the user cannot do to a list, and the tab order. Then what only Qt's widgets can get
// wrong: nesting and captions that fit, keys on buttons, the speed bar, the focus of a hidden text box,
// the timer's interval counted again from each enabling.
#include <sys/stat.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "fake/fake_ui.h"
#include "form/form1_design.h"
#include "platform/failure.h"
#include "platform/qt/pixels.h"
#include "qt_windows.h"

namespace {

using platform::ControlDesign;
using platform::ControlKind;
using platform::Failure;
using platform::Twips;

// The fake platform and what its user does there.
struct FakeDesk {
    std::string folder(const std::string& name, const std::vector<std::string>& files)
    {
        ui.folders["/" + name] = files;
        return "/" + name;
    }
    void click(Twips x, Twips y) { ui.click("Form1", x, y); }
    // A row past the last entry is the blank part below the entries.
    void clickFile(int row, bool ctrl) { ui.fileList("File1").userClick(row, ctrl); }
    void openFolder(const std::string& path) { ui.dirList("Dir1").setPath(path); }
    std::string tab()
    {
        ui.pressTab();
        return ui.focused();
    }

    fake::FakeUi ui;
};

// The Qt platform on the shown main window, worked with real key presses and mouse clicks that Qt
// delivers through the window, as the window system does.
struct QtDesk : QtWindows {
    QtDesk()
    {
        ui.window("Form1").show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form1));
    }

    std::string folder(const std::string& name, const std::vector<std::string>& files)
    {
        const std::string path = QFileInfo(dir.path()).canonicalFilePath().toStdString() + "/" + name;
        EXPECT_EQ(::mkdir(path.c_str(), 0700), 0);
        for (const std::string& file : files)
            EXPECT_TRUE(std::ofstream(path + "/" + file)) << file;
        return path;
    }
    void press(const QWidget* w, QPoint at, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::mouseClick(form1->windowHandle(), Qt::LeftButton, modifiers, w->mapTo(form1, at));
    }
    void click(Twips x, Twips y) const { press(form1, {platform::qt::toPixels(x), platform::qt::toPixels(y)}); }
    void clickFile(int row, bool ctrl)
    {
        const auto* list = control<QListWidget>("File1");
        const QRect last = list->visualItemRect(list->item(list->count() - 1));
        const QPoint at = row < list->count() ? list->visualItemRect(list->item(row)).center()
                                              : QPoint(last.center().x(), last.bottom() + 20);
        press(list->viewport(), at, ctrl ? Qt::ControlModifier : Qt::NoModifier);
    }
    void openFolder(const std::string& path)
    {
        auto* tree = control<QTreeWidget>("Dir1");
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toByteArray().toStdString() == path)
                tree->setCurrentItem(*it);
        QTest::keyClick(tree, Qt::Key_Return);
    }
    static std::string tab()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget()->objectName().toStdString();
    }

    QTemporaryDir dir;
    QWidget* form1 = widgetOf("Form1");
};

template <typename Desk>
class Contract : public ::testing::Test {
protected:
    Contract()
    {
        auto& ui = desk.ui;
        for (const ControlDesign& c : form::form1Design().controls)
            if (c.kind == ControlKind::CheckBox)
                note(ui.checkBox(c.name).Click, c.name);
        note(ui.commandButton("cmdResetRandomCycle").Click, "cmdResetRandomCycle");
        note(ui.pictureBox("Picture1").Click, "Picture1");
        note(ui.textBox("Text1").Change, "Text1.Change");
        note(ui.textBox("Text1").GotFocus, "Text1.GotFocus");
        note(ui.textBox("Text1").LostFocus, "Text1.LostFocus");
        note(ui.scrollBar("HScroll1").Change, "HScroll1");
        note(ui.driveList("Drive1").Change, "Drive1");
        note(ui.dirList("Dir1").Change, "Dir1");
        note(ui.fileList("File1").Click, "File1.Click");
        note(ui.fileList("File1").PathChange, "File1.PathChange");
    }
    void note(platform::Event& event, const std::string& name)
    {
        event.connect([this, name] { log += name + " "; });
    }

    Desk desk;
    std::string log;
};

using Platforms = ::testing::Types<FakeDesk, QtDesk>;
TYPED_TEST_SUITE(Contract, Platforms);

TYPED_TEST(Contract, AChangeRaisesOneEventAndTheSameValueAgainNoneWhoeverMakesIt)
{
    auto& ui = this->desk.ui;
    const std::string a = this->desk.folder("a", {"1.jpg"});
    for (int twice = 0; twice < 2; ++twice) {
        ui.checkBox("chkReSize").setValue(1);
        ui.textBox("Text1").setText("File  4 OF  12");
        ui.scrollBar("HScroll1").setValue(7000);
        ui.driveList("Drive1").setDrive(ui.driveList("Drive1").drive());
        ui.dirList("Dir1").setPath(a);
        this->desk.openFolder(a);
        ui.fileList("File1").setPath(a);
    }
    EXPECT_EQ(this->log, "chkReSize Text1.Change HScroll1 Dir1 File1.PathChange ");

    for (const int outside : {3, -1})
        EXPECT_THROW(ui.checkBox("chkReSize").setValue(outside), Failure);
    for (const int outside : {20001, 499})
        EXPECT_THROW(ui.scrollBar("HScroll1").setValue(outside), Failure);
    EXPECT_THROW(ui.dirList("Dir1").setPath(a + "/gone"), Failure);
    EXPECT_EQ(ui.dirList("Dir1").path(), a);
    EXPECT_EQ(ui.checkBox("chkReSize").value(), 1);
    EXPECT_EQ(ui.scrollBar("HScroll1").value(), 7000);
}

// The resume-next tick counts on a failing handler failing the unit that set the value.
TYPED_TEST(Contract, AHandlersFailureReachesTheCodeThatChangedTheValue)
{
    auto& ui = this->desk.ui;
    const auto fail = [] { throw Failure("handler"); };
    ui.checkBox("chkReSize").Click.connect(fail);
    ui.textBox("Text1").Change.connect(fail);
    ui.scrollBar("HScroll1").Change.connect(fail);
    EXPECT_THROW(ui.checkBox("chkReSize").setValue(1), Failure);
    EXPECT_THROW(ui.textBox("Text1").setText("File  4 OF  12"), Failure);
    EXPECT_THROW(ui.scrollBar("HScroll1").setValue(7000), Failure);
    EXPECT_EQ(ui.checkBox("chkReSize").value(), 1);
    EXPECT_EQ(ui.textBox("Text1").text(), "File  4 OF  12");
    EXPECT_EQ(ui.scrollBar("HScroll1").value(), 7000);
}

// The slide tick relies on a Click for every index it sets, and on -1 clearing the selection.
TYPED_TEST(Contract, AListIndexSetClicksEveryTimeWhileTheUserCannotEmptyTheSelection)
{
    auto& list = this->desk.ui.fileList("File1");
    list.setPath(this->desk.folder("a", {"1.jpg", "2.jpg", "3.jpg"}));
    this->log.clear();
    list.setListIndex(1);
    list.setListIndex(1);
    EXPECT_EQ(list.fileName(), "2.jpg");
    EXPECT_THROW(list.setListIndex(3), Failure);
    EXPECT_THROW(list.setListIndex(-2), Failure);
    list.setListIndex(-1);
    EXPECT_EQ(list.fileName(), "");
    EXPECT_EQ(this->log, "File1.Click File1.Click File1.Click ");

    this->log.clear();
    this->desk.clickFile(2, false);
    this->desk.clickFile(2, true);
    this->desk.clickFile(3, false);
    this->desk.clickFile(3, true);
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(this->log, "File1.Click ");
    list.setPath(this->desk.folder("b", {"4.jpg"}));
    EXPECT_EQ(list.listIndex(), -1);
}

// A label takes its clicks and does nothing; a check box toggles wherever it is clicked.
TYPED_TEST(Contract, EveryClickInsideAControlIsTheControlsAndOnlyBareBackgroundIsPicture1s)
{
    std::string expected;
    for (const int value : {1, 0}) {
        for (const ControlDesign& c : form::form1Design().controls) {
            if (c.container != "Picture1")
                continue;
            const Twips x = value == 1 ? c.left + c.width / 2 : c.left + c.width - 45;
            this->desk.click(x, c.top + c.height / 2);
            if (c.kind != ControlKind::Label)
                expected += c.name + " ";
            if (c.kind == ControlKind::CheckBox) {
                EXPECT_EQ(this->desk.ui.checkBox(c.name).value(), value) << c.name;
            }
        }
    }
    this->desk.click(120, 5400);
    EXPECT_EQ(this->log, expected + "Picture1 ");
}

// The window opens with the focus on the picture box, the first in tab order.
TYPED_TEST(Contract, TabWalksTheVisibleControlsInTabOrderAndTheTextBoxHearsItsFocus)
{
    for (const char* next :
         {"cmdExit", "File1", "Text1", "Drive1", "Dir1", "cmdGo", "HScroll1", "chkRandomize", "chkLowerRight",
          "chkUpperRight", "chkReSize", "chkBlackOut", "chkRandomPictures", "cmdResetRandomCycle", "Picture1"})
        EXPECT_EQ(this->desk.tab(), next);
    EXPECT_EQ(this->log, "Text1.GotFocus Text1.LostFocus ");

    this->desk.ui.textBox("Text1").setVisible(false);
    this->desk.tab();
    this->desk.tab();
    EXPECT_EQ(this->desk.tab(), "Drive1");
}

// What only Qt's widgets can get wrong, on the same window.
struct QtControls : ::testing::Test {
    QtDesk desk;
};

// A one-line caption too wide for its label, and only such a caption, is squeezed to fit.
TEST_F(QtControls, EveryControlSitsInItsContainerAndItsOneLineCaptionFits)
{
    for (const auto& c : form::form1Design().controls) {
        if (c.kind == ControlKind::Timer)
            continue;
        const QWidget* w = desk.control(c.name.c_str());
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->parentWidget()->objectName().toStdString(), c.container) << c.name;
        const auto* label = qobject_cast<const QLabel*>(w);
        if (label && !label->wordWrap()) {
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width()) << c.name;
        } else if (c.kind == ControlKind::CheckBox) {
            EXPECT_LE(w->sizeHint().width(), w->width()) << c.name;
        }
    }

    const auto* speed = desk.control<QLabel>("Label1");
    const QFont unsqueezed = desk.control("Label3")->font();
    desk.ui.label("Label1").setCaption("<" + std::string(80, '-') + ">");
    EXPECT_LT(speed->font().stretch(), QFont::Unstretched);
    EXPECT_EQ(speed->font().family(), unsqueezed.family());
    EXPECT_EQ(speed->font().pointSize(), unsqueezed.pointSize());
    desk.ui.label("Label1").setCaption("<--------------Slower    SPEED,  5Sec  Faster ----------------->");
    EXPECT_EQ(speed->font().stretch(), QFont::Unstretched);
}

// Qt gives Enter to buttons in dialogs only; the panel is none.
TEST_F(QtControls, EnterReturnAndSpaceEachPressTheFocusedButtonAndAHiddenTextBoxLosesTheFocus)
{
    std::string log;
    desk.ui.commandButton("cmdGo").Click.connect([&log] { log += "Go "; });
    desk.ui.textBox("Text1").LostFocus.connect([&log] { log += "lost "; });
    QWidget* go = desk.control("cmdGo");
    go->setFocus();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(go, key);
    desk.control("Text1")->setFocus(Qt::TabFocusReason);
    desk.ui.textBox("Text1").setVisible(false);
    EXPECT_EQ(log, "Go Go Go lost ");
}

// The slowest speed, the larger number, stands at the left; the value changes when a dragged thumb
// is let go, not while it moves.
TEST_F(QtControls, SpeedBarIsMirroredAndChangesOnceForADropAndForEachKey)
{
    auto& bar = desk.ui.scrollBar("HScroll1");
    int changes = 0;
    bar.Change.connect([&changes] { ++changes; });
    auto* qtBar = desk.control<QScrollBar>("HScroll1");
    qtBar->setSliderDown(true);
    qtBar->setSliderPosition(3000);
    qtBar->setSliderPosition(9000);
    qtBar->setSliderDown(false);
    qtBar->setFocus();
    QTest::keyClick(qtBar, Qt::Key_Right);
    EXPECT_EQ(bar.value(), 11000);
    EXPECT_EQ(changes, 2);
}

// Go counts its first picture's period from the enabling that follows the picture's load. A busy
// machine only makes the tick later, never earlier.
TEST_F(QtControls, EnablingARunningTimerStartsAFullInterval)
{
    auto& timer = desk.ui.timer("Timer1");
    int ticks = 0;
    timer.Tick.connect([&ticks] { ++ticks; });
    timer.setInterval(300);
    QTest::qWait(200);
    if (ticks != 0)
        GTEST_SKIP() << "the machine stalled past the first interval";
    QElapsedTimer sinceEnabled;
    sinceEnabled.start();
    timer.setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&ticks] { return ticks == 1; }));
    EXPECT_GE(sinceEnabled.elapsed(), 299);
}

}  // namespace
