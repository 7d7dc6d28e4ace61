// A top-level window without a frame, created on first use, with a persistent painted image.
#pragma once

#include <QImage>
#include <QPointer>
#include <QRect>
#include <functional>

#include "picture/loading/decode_budget.h"
#include "platform/design.h"
#include "platform/window.h"

class QWidget;

namespace platform::qt {

class WindowSurface;

class QtWindow : public Window {
public:
    // Runs when the window system asks to close the window; the window itself stays as it is.
    using CloseRequest = std::function<void()>;

    QtWindow(WindowDesign design, CloseRequest onCloseRequest);
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    // The widget controls are built on. Creating it does not load the window, and a window that
    // hosts controls keeps its widget when unloaded, since the controls live on it.
    QWidget* host();
    // The window's widget while it exists, for inspection.
    QWidget* widget() const;

    Twips left() const override;
    Twips top() const override;
    Twips width() const override;
    Twips height() const override;
    void setLeft(Twips left) override;
    void setTop(Twips top) override;
    void setWidth(Twips width) override;
    void setHeight(Twips height) override;

    bool loaded() const override;
    bool visible() const override;
    void show() override;
    void hide() override;
    bool enabled() const override;
    void setEnabled(bool enabled) override;
    void unload() override;

    void paintPicture(const Picture& picture, Twips x, Twips y, Twips width, Twips height) override;
    void refresh() override;

private:
    WindowSurface& createSurface() const;
    // Every operation goes through here: the first one loads the window and raises Load.
    WindowSurface& surface() const;
    // Where the program has put the window, in logical pixels.
    QRect geometry() const;
    // A window reaching beyond the screens is made only where it is on them: a window system keeps a
    // drawing buffer of a window's whole size, and the part off the screens is seen by no one.
    // A move marks the window as placed by the program.
    void place(const QRect& geometry, bool moved);

    WindowDesign design_;
    CloseRequest onCloseRequest_;
    // Reading a property is an operation like any other: it may create and load the window.
    mutable QPointer<WindowSurface> surface_;
    mutable bool loaded_ = false;
    // What the window has had painted on it, in device pixels at the window's device pixel ratio.
    QImage image_;
    BudgetCharge imageCharge_;
    // The geometry given while the real window keeps to a part of it.
    QRect placed_;
    bool clipped_ = false;
    bool hostsControls_ = false;
};

}  // namespace platform::qt
