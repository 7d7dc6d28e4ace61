// The picture box draws its picture unscaled at the upper-left corner and takes the picture's size.
#include "platform/qt/qt_picture_box.h"

#include <QPaintEvent>
#include <QPainter>
#include <utility>

#include "platform/failure.h"
#include "platform/qt/click_surface.h"
#include "platform/qt/geometry.h"
#include "platform/qt/qt_picture.h"

namespace platform::qt {

class PictureSurface : public ClickSurface {
public:
    PictureSurface(const QImage& shown, QWidget* parent) : ClickSurface(parent), shown_(shown)
    {
        setAutoFillBackground(true);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, shown_); }

private:
    const QImage& shown_;
};

QtPictureBox::QtPictureBox(const ControlDesign& design, QWidget* parent)
    : QtControl(new PictureSurface(shown_, parent))
{
    auto* surface = static_cast<PictureSurface*>(widget());
    surface->setGeometry(designRect(design));
    surface->reportClicksTo(Click, DblClick);
}

PicturePtr QtPictureBox::picture() const
{
    return picture_;
}

void QtPictureBox::setPicture(PicturePtr picture)
{
    QImage shown;
    if (picture) {
        const auto* qtPicture = dynamic_cast<const QtPicture*>(picture.get());
        if (!qtPicture)
            throw Failure("not a picture of this platform");
        const QSize size = qtPicture->pixelSize();
        if (size.isEmpty() || size.width() > kMaxPixels || size.height() > kMaxPixels)
            throw Failure("picture size out of range");
        shown = qtPicture->image(size);
        if (shown.isNull())
            throw Failure("picture cannot be drawn");
        widget()->resize(size);
    }
    picture_ = std::move(picture);
    shown_ = std::move(shown);
    widget()->update();
}

Twips QtPictureBox::width() const
{
    return toTwips(widget()->width());
}

Twips QtPictureBox::height() const
{
    return toTwips(widget()->height());
}

void QtPictureBox::setWidth(Twips width)
{
    widget()->resize(checkedExtent(width), widget()->height());
}

void QtPictureBox::setHeight(Twips height)
{
    widget()->resize(widget()->width(), checkedExtent(height));
}

}  // namespace platform::qt
