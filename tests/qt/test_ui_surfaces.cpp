// The windows and the picture box on Qt: clicks, keys, the persistent image, geometry and closing;
// then, under the program's own handlers, the pointer that hides while the show runs.
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

#include "platform/failure.h"
#include "platform/qt/handler_wait.h"
#include "platform/qt/qt_picture.h"
#include "qt_windows.h"

namespace {

using platform::Failure;
using platform::qt::QtPicture;

// A picture of one colour; one of no colour decodes to nothing.
struct SolidPicture : QtPicture {
    SolidPicture(QSize pixels, QColor fill) : size(pixels), colour(fill) {}
    platform::Twips width() const override { return size.width() * 15.0f; }
    platform::Twips height() const override { return size.height() * 15.0f; }
    QSize pixelSize() const override { return size; }
    QImage image(QSize at) const override
    {
        QImage image(at, QImage::Format_RGB32);
        image.fill(colour);
        return colour.isValid() ? image : QImage();
    }

    const QSize size;
    const QColor colour;
};

class Surfaces : public ::testing::Test, protected QtWindows {
protected:
    QColor pixel(QWidget* w, int x, int y) { return w->grab().toImage().pixelColor(x, y); }
    // Through the window, as the window system delivers it: press, release, double click, release.
    static void doubleClick(QWidget* w)
    {
        QTest::mouseDClick(w->window()->windowHandle(), Qt::LeftButton, {}, w->mapTo(w->window(), QPoint(5, 5)));
    }
    // As the window system delivers a key: to whatever holds the focus in the active window.
    static void key(QWidget* window, Qt::Key key) { QTest::keyClick(window->windowHandle(), key); }

    std::string log;
};

TEST_F(Surfaces, DoubleClickIsAClickThenADoubleClickWhileAReleaseOutsideIsNoClick)
{
    auto& picture = ui.pictureBox("Picture1");
    picture.Click.connect([this] { log += "Click "; });
    picture.DblClick.connect([this] { log += "DblClick "; });
    auto& form2 = ui.window("Form2");
    form2.Click.connect([this] { log += "Form2.Click "; });
    form2.DblClick.connect([this] { log += "Form2.DblClick "; });
    ui.window("Form1").show();
    form2.show();

    doubleClick(picture1());
    QTest::mouseClick(picture1(), Qt::LeftButton, {}, QPoint(5, 5));
    doubleClick(widgetOf("Form2"));
    QTest::mousePress(picture1(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(picture1(), Qt::LeftButton, {}, QPoint(-20, 5));
    EXPECT_EQ(log, "Click DblClick Click Form2.Click Form2.DblClick ");
}

// A surface reports the keys it holds the focus for, once for each press however long a key is
// held; a key that a control on it lets pass is not the surface's.
TEST_F(Surfaces, ASurfaceReportsTheKeysItReceivesOncePerPress)
{
    const auto logKeys = [this](const std::string& surface) {
        return [this, surface](platform::Key key) {
            log += surface + (key == platform::Key::Space ? ".Space " : ".Escape ");
        };
    };
    ui.pictureBox("Picture1").KeyPress.connect(logKeys("Picture1"));
    ui.window("Form1").KeyPress.connect(logKeys("Form1"));
    ui.window("Form2").KeyPress.connect(logKeys("Form2"));
    ui.window("Form1").show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(widgetOf("Form1")));
    picture1()->setFocus();
    key(widgetOf("Form1"), Qt::Key_Space);
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(picture1(), &repeated);
    key(widgetOf("Form1"), Qt::Key_A);
    key(widgetOf("Form1"), Qt::Key_Escape);
    control("chkBlackOut")->setFocus();
    key(widgetOf("Form1"), Qt::Key_Escape);

    ui.window("Form2").show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(widgetOf("Form2")));
    key(widgetOf("Form2"), Qt::Key_Space);
    key(widgetOf("Form2"), Qt::Key_Escape);
    EXPECT_EQ(log, "Picture1.Space Picture1.Escape Form2.Space Form2.Escape ");
}

// Painted while still hidden, as on the first tick, and stretched to the rectangle. Twips round to
// whole pixels and a window may stand off the screen.
TEST_F(Surfaces, DisplayWindowKeepsItsImageThroughHidingAndFailuresAndTakesTwipsAsPixels)
{
    auto& form2 = ui.window("Form2");
    form2.paintPicture(SolidPicture(QSize(20, 10), Qt::red), 0, 0, 600, 450);
    form2.setLeft(-1500);
    form2.setWidth(1000);
    form2.setHeight(600);
    EXPECT_THROW(form2.setLeft(std::numeric_limits<float>::infinity()), Failure);
    EXPECT_THROW(form2.setHeight(-15), Failure);
    EXPECT_EQ(form2.left(), -1500);
    EXPECT_EQ(form2.width(), 1005);
    form2.refresh();
    EXPECT_FALSE(form2.visible());
    form2.show();
    form2.hide();
    form2.show();
    QWidget* w = widgetOf("Form2");
    EXPECT_EQ(pixel(w, 39, 29), QColor(Qt::red));
    EXPECT_NE(pixel(w, 50, 35), QColor(Qt::red));

    form2.paintPicture(SolidPicture(QSize(5, 5), Qt::blue), 150, 150, 150, 150);
    EXPECT_EQ(pixel(w, 1, 1), QColor(Qt::red));
    EXPECT_EQ(pixel(w, 12, 12), QColor(Qt::blue));

    const SolidPicture green(QSize(4, 4), Qt::green);
    EXPECT_THROW(form2.paintPicture(green, 0, 0, std::numeric_limits<float>::quiet_NaN(), 300), Failure);
    EXPECT_THROW(form2.paintPicture(green, 0, 0, 4e5f, 4e5f), Failure);
    EXPECT_THROW(form2.paintPicture(SolidPicture(QSize(4, 4), QColor()), 0, 0, 300, 300), Failure);
    EXPECT_EQ(pixel(w, 12, 12), QColor(Qt::blue));
}

// The real window is only the part on the screen, the controls and the painting where they would
// stand in the whole; the window's own size and place stay as given.
TEST_F(Surfaces, AWindowReachingBeyondTheScreenIsMadeOnlyWhereItIsOnIt)
{
    const QRect screen = QGuiApplication::primaryScreen()->virtualGeometry();
    const QPoint designed = picture1()->pos();
    for (const char* name : {"Form1", "Form2"}) {
        SCOPED_TRACE(name);
        const bool panel = std::string(name) == "Form1";
        auto& window = ui.window(name);
        window.paintPicture(SolidPicture(QSize(2, 2), Qt::red), 1500, 1500, 15, 15);
        window.setLeft(-1500);
        window.setTop(-750);
        window.setWidth(static_cast<float>(screen.width() + 300) * 15);
        window.setHeight(static_cast<float>(screen.height() + 200) * 15);
        window.show();
        EXPECT_EQ(window.left(), -1500);
        EXPECT_EQ(window.width(), static_cast<float>(screen.width() + 300) * 15);
        QWidget* w = widgetOf(name);
        EXPECT_EQ(w->geometry(), screen);
        if (panel) {
            EXPECT_EQ(picture1()->pos(), designed - QPoint(100, 50));
        } else {
            EXPECT_EQ(pixel(w, 0, 50), QColor(Qt::red));
            EXPECT_NE(pixel(w, 0, 0), QColor(Qt::red));
        }
        window.setLeft(0);
        window.setTop(0);
        EXPECT_EQ(w->geometry(), screen);
        if (!panel) {
            EXPECT_EQ(pixel(w, 100, 100), QColor(Qt::red));
        }
    }
    EXPECT_EQ(picture1()->pos(), designed);
}

// While the window's thread waits inside a handler, however deeply, the windows stay painted, no
// handler runs, and a window closed meanwhile closes only after the handler.
TEST_F(Surfaces, AWaitInsideAHandlerKeepsThePanelPaintedRunsNoHandlerAndPutsOffAClose)
{
    ui.pictureBox("Picture1").setPicture(std::make_shared<SolidPicture>(QSize(40, 40), Qt::red));
    ui.checkBox("chkReSize").Click.connect([this] { log += "chkReSize "; });
    ui.window("Form1").show();
    ui.window("Form2").show();
    {
        const platform::qt::HandlerWait outer;
        {
            const platform::qt::HandlerWait inner;
        }
        QTest::mouseClick(control("chkReSize"), Qt::LeftButton);
        widgetOf("Form2")->close();
        QCoreApplication::processEvents();
        EXPECT_TRUE(ui.window("Form2").visible());
        EXPECT_EQ(pixel(picture1(), 5, 5), QColor(Qt::red));
    }
    EXPECT_TRUE(QTest::qWaitFor([this] { return !ui.window("Form2").visible(); }));
    EXPECT_EQ(log, "");
}

TEST_F(Surfaces, ClosingTheMainWindowEndsTheProgramWithEveryWindow)
{
    for (const char* name : {"Form1", "Form2", "Form3"})
        ui.window(name).show();
    widgetOf("Form2")->close();
    widgetOf("Form3")->close();
    EXPECT_FALSE(ui.window("Form2").visible());
    EXPECT_TRUE(ui.window("Form2").loaded());
    EXPECT_FALSE(ui.window("Form3").loaded());

    ui.window("Form2").show();
    widgetOf("Form1")->close();
    EXPECT_FALSE(widgetOf("Form1")->isVisible());
    EXPECT_FALSE(ui.window("Form2").loaded());
    EXPECT_FALSE(ui.timer("Timer1").enabled());
}

struct ShowOnQt : ::testing::Test, QtProgram {};

// Once the panel is gone the picture holds the focus, so that keys reach it.
TEST_F(ShowOnQt, WhileRunningThePointerHidesOverThePictureAndComesBackWhenMovedOrPaused)
{
    const auto pointerHidden = [](const QWidget* w) { return w->cursor().shape() == Qt::BlankCursor; };
    EXPECT_FALSE(pointerHidden(picture1()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(widgetOf("Form1")));
    form.cmdGo.Click.raise();
    ASSERT_EQ(QApplication::focusWidget(), picture1());
    ASSERT_TRUE(QTest::qWaitFor([&] { return pointerHidden(picture1()); }, 10000));
    QTest::mouseMove(picture1(), QPoint(20, 20));
    EXPECT_FALSE(pointerHidden(picture1()));

    ASSERT_TRUE(QTest::qWaitFor([&] { return pointerHidden(picture1()); }, 10000));
    form.Picture1.Click.raise();
    EXPECT_FALSE(pointerHidden(picture1()));
    EXPECT_FALSE(pointerHidden(widgetOf("Form1")));
}

}  // namespace
