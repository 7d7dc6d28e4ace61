// A dense screen, at the scale factor this test program is built for: the panel keeps its layout in
// logical pixels, and a picture at its own size gives each of its pixels one device pixel.
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "display/window_designs.h"
#include "panel/form1_design.h"
#include "platform/qt/geometry.h"
#include "platform/qt/qt_picture_loader.h"
#include "platform/qt/qt_ui.h"
#include "platform/qt/qt_window.h"

namespace {

using platform::ControlKind;
using platform::qt::designRect;
using platform::qt::QtUi;
using platform::qt::QtWindow;

const double kRatio = QByteArray(PIXORA_TEST_SCALE_FACTOR).toDouble();

// Alternate pixels with a marked corner: any enlarging or smoothing changes them. Odd sizes, so that
// no scale factor divides them evenly.
QImage finePattern()
{
    QImage image(301, 201, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    QPainter(&image).fillRect(0, 0, 10, 10, Qt::red);
    return image;
}

// How many pixels differ between two pictures of the same size; all of them when the sizes differ.
qint64 differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return static_cast<qint64>(std::max(a.width(), b.width())) * std::max(a.height(), b.height());
    qint64 count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    }
    return count;
}

class DenseScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), kRatio);
    }
    ~DenseScreen() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QWidget* widgetOf(const std::string& window) { return dynamic_cast<QtWindow&>(ui.window(window)).widget(); }

    // What the widget shows, in device pixels, from its upper-left corner.
    static QImage shown(QWidget* widget, QSize size)
    {
        QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image.devicePixelRatio(), kRatio);
        image.setDevicePixelRatio(1);
        return image.copy(QRect(QPoint(), size));
    }

    std::string writePattern()
    {
        const QString path = dir.filePath("fine.bmp");
        EXPECT_TRUE(pattern.save(path));
        return QFile::encodeName(path).toStdString();
    }

    QtUi ui{{panel::form1Design(), display::form2Design(), display::form3Design()}};
    QTemporaryDir dir;
    platform::qt::QtPictureLoader loader;
    const QImage pattern = finePattern();
};

TEST_F(DenseScreen, PanelControlsStandWhereDesigned)
{
    ui.window("Form1").show();
    QWidget* form1 = widgetOf("Form1");
    for (const auto& c : panel::form1Design().controls) {
        if (c.kind == ControlKind::Timer)
            continue;
        const QWidget* w = form1->findChild<QWidget*>(QString::fromStdString(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), designRect(c)) << c.name;
    }
}

TEST_F(DenseScreen, PictureAtItsOwnSizeCoversItsPixelsExactly)
{
    const platform::PicturePtr picture = loader.load(writePattern(), platform::PictureUse::OwnSize);
    const auto twips = [](int pixels) { return static_cast<float>(pixels * 15 / kRatio); };
    EXPECT_EQ(picture->width(), twips(301));
    EXPECT_EQ(picture->height(), twips(201));

    auto& box = ui.pictureBox("Picture1");
    box.setPicture(picture);
    EXPECT_EQ(box.width(), twips(301));
    EXPECT_EQ(box.height(), twips(201));
    ui.window("Form1").show();
    // As during a show: the controls on the box are hidden.
    QWidget* pictureBox = widgetOf("Form1")->findChild<QWidget*>("Picture1");
    for (QWidget* control : pictureBox->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        control->hide();
    EXPECT_EQ(differingPixels(shown(pictureBox, pattern.size()), pattern), 0);

    auto& form2 = ui.window("Form2");
    form2.setWidth(picture->width());
    form2.setHeight(picture->height());
    form2.paintPicture(*picture, 0, 0, picture->width(), picture->height());
    form2.show();
    EXPECT_EQ(differingPixels(shown(widgetOf("Form2"), pattern.size()), pattern), 0);
}

}  // namespace
