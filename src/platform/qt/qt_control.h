// Visibility of a control backed by one widget, shared by every Qt control.
#pragma once

#include <QWidget>

namespace platform::qt {

template <typename Interface>
class QtControl : public Interface {
public:
    explicit QtControl(QWidget* widget) : widget_(widget) {}

    bool visible() const override { return !widget_->isHidden(); }
    void setVisible(bool visible) override { widget_->setVisible(visible); }
    QWidget* widget() const { return widget_; }

private:
    QWidget* widget_;
};

}  // namespace platform::qt
