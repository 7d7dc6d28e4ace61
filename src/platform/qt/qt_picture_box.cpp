// The picture box draws its picture unscaled at the upper-left corner and takes the picture's size.
#include "platform/qt/qt_picture_box.h"

#include <QImage>
#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "picture/loading/decode_budget.h"
#include "platform/failure.h"
#include "platform/qt/click_surface.h"
#include "platform/qt/decoded_picture.h"
#include "platform/qt/geometry.h"
#include "platform/qt/pool_task.h"
#include "platform/qt/qt_picture.h"

namespace platform::qt {

// A part of the picture at its own size, decoded on a thread of the pool while the box draws what it
// has. The box it is for is cleared under the lock when it changes picture or goes.
struct PartDecode {
    std::mutex mutex;
    PictureSurface* receiver = nullptr;
    std::atomic<bool> cancelled{false};
};

class PictureSurface : public ClickSurface {
public:
    explicit PictureSurface(QWidget* parent) : ClickSurface(parent)
    {
        setAutoFillBackground(true);
        setFocusPolicy(Qt::StrongFocus);
    }

    ~PictureSurface() override { forgetPart(); }

    void setPicture(std::shared_ptr<const QtPicture> picture)
    {
        forgetPart();
        picture_ = std::move(picture);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!picture_)
            return;
        const auto decoded = std::dynamic_pointer_cast<const DecodedPicture>(picture_);
        if (!decoded && part_.isNull()) {
            part_ = picture_->image(picture_->pixelSize());
            partRect_ = QRect(QPoint(), picture_->pixelSize());
        }
        const qreal ratio = devicePixelRatioF();
        // One device pixel for each of the picture's. Setting the image's own ratio instead would
        // copy the picture, whose pixels it shares with the loaded decode.
        const auto draw = [this, ratio](QPainter& painter, const QImage& image, QRect part) {
            painter.drawImage(QRectF(QPointF(part.topLeft()) / ratio, QSizeF(part.size()) / ratio), image);
        };
        QPainter painter(this);
        if (decoded)
            draw(painter, decoded->atHand(), decoded->partAtHand());
        if (!part_.isNull())
            draw(painter, part_, partRect_);
        if (decoded)
            askForSeenPart(decoded, ratio);
    }

private:
    // What the box shows on the screen, pixel for pixel: the picture's own decode may be smaller
    // (fitted) or of another part (the window has moved since, to bring the panel back), and a
    // picture is never decoded whole on this thread.
    void askForSeenPart(const std::shared_ptr<const DecodedPicture>& picture, qreal ratio)
    {
        const QRect device =
            deviceRect(visibleRegion().boundingRect(), ratio).intersected(QRect(QPoint(), picture->pixelSize()));
        const auto covers = [&device](const QImage& image, QRect part) {
            return image.size() == part.size() && part.contains(device);
        };
        if (device.isEmpty() || covers(picture->atHand(), picture->partAtHand()) || covers(part_, partRect_) ||
            asked_.contains(device))
            return;
        decodePart(picture, device);
    }

    // Within the budget only, reserved before the decode starts; beyond it the box keeps drawing what
    // it has.
    void decodePart(const std::shared_ptr<const DecodedPicture>& picture, QRect part)
    {
        forgetPart();
        asked_ = part;
        std::optional<BudgetCharge> reserved = BudgetCharge::tryReserve(partBytes(part.size()));
        if (!reserved)
            return;
        auto charge = std::make_shared<BudgetCharge>(std::move(*reserved));
        auto pending = std::make_shared<PartDecode>();
        pending->receiver = this;
        pending_ = pending;
        // The application waits for its pool's threads as it ends, after the boxes have cancelled theirs.
        startOnPool([pending, picture, part, charge] {
            const QImage image = picture->decodePart(part, &pending->cancelled);
            const std::lock_guard lock(pending->mutex);
            PictureSurface* receiver = pending->receiver;
            if (!receiver || image.isNull())
                return;
            QMetaObject::invokeMethod(
                receiver,
                [receiver, pending, image, part, charge] {
                    if (receiver->pending_ != pending)
                        return;
                    receiver->part_ = image;
                    receiver->partRect_ = part;
                    receiver->partCharge_ = std::move(*charge);
                    receiver->update();
                },
                Qt::QueuedConnection);
        });
    }

    void forgetPart()
    {
        if (pending_) {
            const std::lock_guard lock(pending_->mutex);
            pending_->receiver = nullptr;
            pending_->cancelled = true;
        }
        pending_.reset();
        asked_ = QRect();
        part_ = QImage();
        partRect_ = QRect();
        partCharge_ = BudgetCharge();
    }

    std::shared_ptr<const QtPicture> picture_;
    // The part decoded for the box, drawn over the picture's own decode.
    QImage part_;
    QRect partRect_;
    BudgetCharge partCharge_;
    QRect asked_;
    std::shared_ptr<PartDecode> pending_;
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
        if (size.isEmpty())
            throw Failure("picture size out of range");
        if (!shown->drawable())
            throw Failure("picture cannot be drawn");
        // One device pixel for each of the picture's, however dense the screen. At a fractional
        // ratio the widget is a part of a pixel larger; the size in twips stays the picture's own.
        // The box is as large as its picture, however large: only the part on the screen is drawn.
        const qreal ratio = surface().devicePixelRatioF();
        const auto side = [ratio](int pixels) { return static_cast<int>(std::ceil(pixels / ratio)); };
        surface().resize(side(size.width()), side(size.height()));
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
