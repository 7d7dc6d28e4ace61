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

#include "platform/qt/qt_picture_loader.h"
#include "qt_windows.h"

namespace {

const double kRatio = QByteArray(PIXORA_TEST_SCALE_FACTOR).toDouble();

// Alternate pixels with a marked corner: any enlarging or smoothing changes them. Odd sizes, so that
// no scale factor divides them evenly.
QImage finePattern()
{
    QImage image(301, 201, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    QPainter(&image).fillRect(0, 0, 10, 10, Qt::red);
    return image;
}

class DenseScreen : public ::testing::Test, protected QtWindows {
protected:
    void SetUp() override { ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), kRatio); }

    // What the widget shows, in device pixels, from its upper-left corner.
    static QImage shown(QWidget* widget, QSize size)
    {
        QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        image.setDevicePixelRatio(1);
        return image.copy(QRect(QPoint(), size));
    }
};

// Go at 240, 1800, 2175 x 855 twips; the list at 5040, 1320, 2775 x 2625. The panel is centred on the
// screen by its size in twips: the screen's twips are logical pixels too, as the windows count them.
TEST_F(DenseScreen, PanelControlsAndTheScreensTwipsAreLogicalPixels)
{
    ui.window("Form1").show();
    EXPECT_EQ(control("cmdGo")->geometry(), QRect(16, 120, 145, 57));
    EXPECT_EQ(control("File1")->geometry(), QRect(336, 88, 185, 175));
    const QSize logical = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(ui.screen().monitor().width, logical.width() * 15.0f);
    EXPECT_EQ(ui.screen().monitor().height, logical.height() * 15.0f);
}

TEST_F(DenseScreen, PictureAtItsOwnSizeCoversItsPixelsExactly)
{
    QTemporaryDir dir;
    const QImage pattern = finePattern();
    ASSERT_TRUE(pattern.save(dir.filePath("fine.bmp")));
    platform::qt::QtPictureLoader loader;
    const platform::PicturePtr picture =
        loader.load(QFile::encodeName(dir.filePath("fine.bmp")).toStdString(), platform::PictureUse::OwnSize);

    // At a fractional ratio the box's widget is a part of a pixel larger than the picture; its size in
    // twips is the picture's all the same, or a fitted painting would be resampled by that part.
    auto& box = ui.pictureBox("Picture1");
    box.setPicture(picture);
    EXPECT_EQ(box.width(), picture->width());
    EXPECT_EQ(box.height(), picture->height());
    ui.window("Form1").show();
    // As during a show: the controls on the box are hidden.
    for (QWidget* control : picture1()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        control->hide();
    EXPECT_TRUE(shown(picture1(), pattern.size()) == pattern);

    auto& form2 = ui.window("Form2");
    form2.setWidth(picture->width());
    form2.setHeight(picture->height());
    form2.paintPicture(*picture, 0, 0, picture->width(), picture->height());
    form2.show();
    EXPECT_TRUE(shown(widgetOf("Form2"), pattern.size()) == pattern);
}

}  // namespace
