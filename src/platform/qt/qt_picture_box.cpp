// The picture box draws its picture unscaled at the upper-left corner and takes the picture's size.
#include "platform/qt/qt_picture_box.h"

#include <QImage>
#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>
#include <QThreadPool>
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
#include "platform/qt/qt_picture.h"

namespace platform::qt {

// The whole of a picture loaded smaller, decoded on a thread of its own while the box draws what it
// has. The box it is for is cleared under the lock when it changes picture or goes.
struct WholeDecode {
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

    ~PictureSurface() override { forgetWhole(); }

    void setPicture(std::shared_ptr<const QtPicture> picture)
    {
        forgetWhole();
        picture_ = std::move(picture);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!picture_)
            return;
        // One device pixel for each of the picture's. Setting the image's own ratio instead would
        // copy the picture, whose pixels it shares with the loaded decode.
        QPainter(this).drawImage(QRectF(QPointF(), QSizeF(picture_->pixelSize()) / devicePixelRatioF()), shown());
    }

private:
    // The whole picture once at hand; until then the decode at hand, stretched. A picture loaded to
    // be fitted is decoded whole only if this box paints it: during a fitted show the box stays
    // hidden, and only a pause or a stop brings it back.
    QImage shown()
    {
        if (!whole_.isNull())
            return whole_;
        const auto decoded = std::dynamic_pointer_cast<const DecodedPicture>(picture_);
        if (!decoded) {
            whole_ = picture_->image(picture_->pixelSize());
            return whole_;
        }
        if (!decoded->wholeAtHand() && !wholeAsked_)
            decodeWhole(decoded);
        return decoded->atHand();
    }

    // Within the budget only, reserved before the decode starts; beyond it the box keeps drawing the
    // decode at hand.
    void decodeWhole(const std::shared_ptr<const DecodedPicture>& picture)
    {
        wholeAsked_ = true;
        const std::int64_t bytes = pixelBytes(picture->pixelSize());
        std::optional<BudgetCharge> reserved = BudgetCharge::tryReserve(bytes);
        if (!reserved)
            return;
        auto charge = std::make_shared<BudgetCharge>(std::move(*reserved));
        auto pending = std::make_shared<WholeDecode>();
        pending->receiver = this;
        pending_ = pending;
        // The application waits for its pool's threads as it ends, after the boxes have cancelled theirs.
        QThreadPool::globalInstance()->start([pending, picture, charge] {
            const QImage whole = picture->decodeWhole(&pending->cancelled);
            const std::lock_guard lock(pending->mutex);
            PictureSurface* receiver = pending->receiver;
            if (!receiver || whole.isNull())
                return;
            QMetaObject::invokeMethod(
                receiver,
                [receiver, pending, whole, charge] {
                    if (receiver->pending_ != pending)
                        return;
                    receiver->whole_ = whole;
                    receiver->wholeCharge_ = std::move(*charge);
                    receiver->update();
                },
                Qt::QueuedConnection);
        });
    }

    void forgetWhole()
    {
        if (pending_) {
            const std::lock_guard lock(pending_->mutex);
            pending_->receiver = nullptr;
            pending_->cancelled = true;
        }
        pending_.reset();
        wholeAsked_ = false;
        whole_ = QImage();
        wholeCharge_ = BudgetCharge();
    }

    std::shared_ptr<const QtPicture> picture_;
    QImage whole_;
    BudgetCharge wholeCharge_;
    bool wholeAsked_ = false;
    std::shared_ptr<WholeDecode> pending_;
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
        // A picture wider or taller than a window can be is fitted, never shown whole: the box
        // keeps to a window's side while its size in twips stays the picture's.
        const qreal ratio = surface().devicePixelRatioF();
        const auto side = [ratio](int pixels) {
            return std::min(kMaxWindowSide, static_cast<int>(std::ceil(pixels / ratio)));
        };
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
