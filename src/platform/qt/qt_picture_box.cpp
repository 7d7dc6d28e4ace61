// The picture box draws its picture unscaled at the upper-left corner and takes the picture's size.
#include "platform/qt/qt_picture_box.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <memory>
#include <utility>

#include "platform/failure.h"
#include "platform/qt/click_surface.h"
#include "platform/qt/geometry.h"
#include "platform/qt/qt_picture.h"

namespace platform::qt {

class PictureSurface : public ClickSurface {
public:
    explicit PictureSurface(QWidget* parent) : ClickSurface(parent)
    {
        setAutoFillBackground(true);
        setFocusPolicy(Qt::StrongFocus);
    }

    void setPicture(std::shared_ptr<const QtPicture> picture)
    {
        picture_ = std::move(picture);
        shown_ = QImage();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        // A picture loaded to be fitted is decoded whole only if this box paints it: during a fitted
        // show the box stays hidden, and only a pause or a stop brings it back.
        if (shown_.isNull() && picture_)
            shown_ = picture_->image(picture_->pixelSize());
        // One device pixel for each of the picture's. Setting the image's own ratio instead would
        // copy the picture, whose pixels it shares with the loaded decode.
        QPainter(this).drawImage(QRectF(QPointF(), QSizeF(shown_.size()) / devicePixelRatioF()), shown_);
    }

private:
    std::shared_ptr<const QtPicture> picture_;
    QImage shown_;
};

QtPictureBox::QtPictureBox(const ControlDesign& design, QWidget* parent)
    : QtControl(new PictureSurface(parent)), width_(design.width), height_(design.height)
{
    surface().setGeometry(designRect(design));
    surface().reportClicksTo(Click, DblClick);
    surface().reportKeysTo(KeyPress);
}

PictureSurface& QtPictureBox::surface() const
{
    return *static_cast<PictureSurface*>(widget());
}

PicturePtr QtPictureBox::picture() const
{
    return picture_;
}

void QtPictureBox::setPicture(PicturePtr picture)
{
    std::shared_ptr<const QtPicture> shown;
    if (picture) {
        shown = std::dynamic_pointer_cast<const QtPicture>(picture);
        if (!shown)
            throw Failure("not a picture of this platform");
        const QSize size = shown->pixelSize();
        if (size.isEmpty() || size.width() > kMaxWindowSide || size.height() > kMaxWindowSide)
            throw Failure("picture size out of range");
        if (!shown->drawable())
            throw Failure("picture cannot be drawn");
        // One device pixel for each of the picture's, however dense the screen. At a fractional
        // ratio the widget is a part of a pixel larger; the size in twips stays the picture's own.
        const qreal ratio = surface().devicePixelRatioF();
        surface().resize(static_cast<int>(std::ceil(size.width() / ratio)),
                         static_cast<int>(std::ceil(size.height() / ratio)));
        width_ = deviceTwips(size.width(), ratio);
        height_ = deviceTwips(size.height(), ratio);
    }
    picture_ = std::move(picture);
    surface().setPicture(std::move(shown));
}

Twips QtPictureBox::width() const
{
    return width_;
}

Twips QtPictureBox::height() const
{
    return height_;
}

void QtPictureBox::setWidth(Twips width)
{
    widget()->resize(checkedExtent(width), widget()->height());
    width_ = width;
}

void QtPictureBox::setHeight(Twips height)
{
    widget()->resize(widget()->width(), checkedExtent(height));
    height_ = height;
}

}  // namespace platform::qt
