// Visibility of a control backed by one widget, and its hold on the clicks inside it, shared by every
// Qt control.
#pragma once

#include <QWidget>

namespace platform::qt {

template <typename Interface>
class QtControl : public Interface {
public:
    // A press a widget ignores, on a label or beside a check box's text, would reach the picture box
    // underneath and pause or start the show: every click inside a control is the control's.
    explicit QtControl(QWidget* widget) : widget_(widget) { widget_->setAttribute(Qt::WA_NoMousePropagation); }

    bool visible() const override { return !widget_->isHidden(); }
    void setVisible(bool visible) override { widget_->setVisible(visible); }
    QWidget* widget() const { return widget_; }

private:
    QWidget* widget_;
};

}  // namespace platform::qt
