// Frameless top-level windows, created hidden on first use, drawn from an image that survives hiding.
#include "platform/qt/qt_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QRegion>
#include <QScreen>
#include <QScopeGuard>
#include <algorithm>
#include <cmath>
#include <utility>

#include "picture/decode/picture_limits.h"
#include "platform/desktop/backdrop.h"
#include "platform/failure.h"
#include "platform/qt/click_surface.h"
#include "platform/qt/fonts.h"
#include "platform/qt/geometry.h"
#include "platform/qt/icon.h"
#include "platform/qt/qt_picture.h"
#include "platform/qt/raise.h"

namespace platform::qt {

class WindowSurface : public ClickSurface {
public:
    WindowSurface(const Window& window, const QImage& image, bool black, QtWindow::CloseRequest onCloseRequest)
        : image_(image), black_(black), onCloseRequest_(std::move(onCloseRequest))
    {
        reportClicksTo(window.Click, window.DblClick);
        reportKeysTo(window.KeyPress);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QColor background() const { return black_ ? QColor(Qt::black) : palette().color(QPalette::Window); }

    void giveActivationBackTo(QWidget* window) { activationOwner_ = window; }

    // How far the window's own upper-left corner lies up and left of the real window's: the
    // controls and the painting move by as much.
    void setOffset(QPoint offset)
    {
        const QPoint by = offset_ - offset;
        if (by.isNull())
            return;
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->move(child->pos() + by);
        offset_ = offset;
        update();
    }

protected:
    // A window shown and then disabled at once may still be activated when it reaches the screen,
    // since X11 carries out the activation asked for at showing only then: it goes back. A disabled
    // window that has the keyboard all the same, where a desktop gives it, still hears its keys.
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate && !isEnabled() && activationOwner_)
            activationOwner_->activateWindow();
        if (event->type() == QEvent::KeyPress && !isEnabled()) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
        return ClickSurface::event(event);
    }

    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.translate(-offset_);
        const QSizeF size = image_.deviceIndependentSize();
        const QRect whole(0, 0, static_cast<int>(size.width()), static_cast<int>(size.height()));
        for (const QRect& uncovered : QRegion(event->rect().translated(offset_)).subtracted(whole))
            painter.fillRect(uncovered, background());
        // At the image's own ratio Qt copies its pixels one to one, also at a fractional scale.
        painter.drawImage(0, 0, image_);
    }

    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        if (onCloseRequest_)
            onCloseRequest_();
    }

private:
    const QImage& image_;
    bool black_;
    QtWindow::CloseRequest onCloseRequest_;
    QPointer<QWidget> activationOwner_;  // the active window when this one was disabled
    QPoint offset_;
};

QtWindow::QtWindow(WindowDesign design, CloseRequest onCloseRequest)
    : design_(std::move(design)), onCloseRequest_(std::move(onCloseRequest))
{
}

QtWindow::~QtWindow()
{
    delete surface_.data();
}

QWidget* QtWindow::host()
{
    hostsControls_ = true;
    return &createSurface();
}

QWidget* QtWindow::widget() const
{
    return surface_.data();
}

WindowSurface& QtWindow::createSurface() const
{
    if (!surface_) {
        surface_ = new WindowSurface(*this, image_, design_.black, onCloseRequest_);
        surface_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        surface_->setObjectName(QString::fromStdString(design_.name));
        surface_->setWindowTitle(QString::fromStdString(design_.caption));
        if (design_.fontPoints > 0)
            surface_->setFont(designFont(design_.fontName, design_.fontPoints));
        if (design_.icon)
            surface_->setWindowIcon(pixoraIcon());
        surface_->resize(toPixels(design_.clientWidth), toPixels(design_.clientHeight));
    }
    return *surface_;
}

WindowSurface& QtWindow::surface() const
{
    WindowSurface& surface = createSurface();
    if (!loaded_) {
        // Marked first, so that the load handler can work on its own window without loading it again.
        loaded_ = true;
        raiseFromQt(Load);
    }
    return surface;
}

QRect QtWindow::geometry() const
{
    const QRect real = surface().geometry();
    return clipped_ ? placed_ : real;
}

void QtWindow::place(const QRect& geometry, bool moved)
{
    WindowSurface& s = surface();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect onScreens = screen ? geometry.intersected(screen->virtualGeometry()) : geometry;
    // A window wholly off the screens stays as it is given: there is no part of it to keep to.
    clipped_ = !onScreens.isEmpty() && onScreens != geometry;
    placed_ = geometry;
    const QRect real = clipped_ ? onScreens : geometry;
    s.setOffset(real.topLeft() - geometry.topLeft());
    // Only a window moved by the program is marked so: the window manager places the others.
    if (moved || real.topLeft() != s.geometry().topLeft())
        s.move(real.topLeft());
    s.resize(real.size());
}

Twips QtWindow::left() const
{
    return toTwips(geometry().x());
}

Twips QtWindow::top() const
{
    return toTwips(geometry().y());
}

Twips QtWindow::width() const
{
    return toTwips(geometry().width());
}

Twips QtWindow::height() const
{
    return toTwips(geometry().height());
}

void QtWindow::setLeft(Twips left)
{
    QRect g = geometry();
    g.moveLeft(checkedPixels(left));
    place(g, true);
}

void QtWindow::setTop(Twips top)
{
    QRect g = geometry();
    g.moveTop(checkedPixels(top));
    place(g, true);
}

void QtWindow::setWidth(Twips width)
{
    QRect g = geometry();
    g.setWidth(checkedExtent(width));
    place(g, false);
}

void QtWindow::setHeight(Twips height)
{
    QRect g = geometry();
    g.setHeight(checkedExtent(height));
    place(g, false);
}

bool QtWindow::loaded() const
{
    return loaded_;
}

bool QtWindow::visible() const
{
    return surface().isVisible();
}

void QtWindow::show()
{
    WindowSurface& s = surface();
    // The black asks for the whole monitor it is on, so that desktops let it cover their panels too.
    if (design_.black && !s.isVisible()) {
        keepBackdropOutOfTaskList(&s);
        s.setWindowState(Qt::WindowFullScreen);
    }
    s.show();
    s.raise();
    if (design_.black)
        backdropShown(&s);
    else
        windowShown(&s);
    if (s.isEnabled())
        s.activateWindow();
}

void QtWindow::hide()
{
    WindowSurface& s = surface();
    if (design_.black)
        backdropGone(&s);
    s.hide();
}

bool QtWindow::enabled() const
{
    return surface().isEnabled();
}

void QtWindow::setEnabled(bool enabled)
{
    WindowSurface& s = surface();
    s.setEnabled(enabled);
    QWidget* active = QApplication::activeWindow();
    s.giveActivationBackTo(!enabled && active != &s ? active : nullptr);
    // A disabled window must not take the focus or the front when clicked.
    s.setAttribute(Qt::WA_ShowWithoutActivating, !enabled);
    s.setWindowFlagInPlace(Qt::WindowDoesNotAcceptFocus, !enabled);
}

void QtWindow::unload()
{
    if (!loaded_)
        return;
    loaded_ = false;
    image_ = QImage();
    imageCharge_ = BudgetCharge();
    if (design_.black)
        backdropGone(surface_);
    surface_->hide();
    if (hostsControls_)
        return;
    clipped_ = false;
    // Later, not now: the request may come from inside one of the widget's own events.
    surface_->deleteLater();
    surface_ = nullptr;
}

void QtWindow::paintPicture(const Picture& picture, Twips x, Twips y, Twips width, Twips height)
{
    WindowSurface& s = surface();
    const auto* qtPicture = dynamic_cast<const QtPicture*>(&picture);
    if (!qtPicture)
        throw Failure("not a picture of this platform");
    // Painted in device pixels, so that a picture at its own size stays crisp on a dense screen.
    const qreal ratio = s.devicePixelRatioF();
    if (ratio != image_.devicePixelRatio()) {
        image_ = QImage();
        imageCharge_ = BudgetCharge();
    }
    const auto device = [ratio](Twips twips) { return static_cast<Twips>(twips * ratio); };
    const QRect target(checkedPixels(device(x)), checkedPixels(device(y)), checkedExtent(device(width)),
                       checkedExtent(device(height)));
    if (target.isEmpty())
        return;
    const int windowWidth = static_cast<int>(std::ceil(s.width() * ratio));
    const int windowHeight = static_cast<int>(std::ceil(s.height() * ratio));
    const QSize needed(std::max({image_.width(), windowWidth, target.right() + 1}),
                       std::max({image_.height(), windowHeight, target.bottom() + 1}));
    if (static_cast<qint64>(needed.width()) * needed.height() > kMaxPicturePixels)
        throw Failure("painting too large");
    // Grown and painted pixel for pixel; the ratio comes back for drawing, also after a failure.
    image_.setDevicePixelRatio(1);
    const auto restoreRatio = qScopeGuard([this, ratio] { image_.setDevicePixelRatio(ratio); });
    if (needed != image_.size()) {
        BudgetCharge charge = BudgetCharge::reserve(pixelBytes(needed), "painting");
        QImage grown(needed, QImage::Format_RGB32);
        if (grown.isNull())
            throw Failure("out of memory for painting");
        grown.fill(s.background());
        QPainter(&grown).drawImage(0, 0, image_);
        image_ = std::move(grown);
        imageCharge_ = std::move(charge);
    }
    QPainter painter(&image_);
    if (!qtPicture->draw(painter, target))
        throw Failure("picture cannot be drawn");
    s.update();
}

void QtWindow::refresh()
{
    surface().repaint();
}

}  // namespace platform::qt
