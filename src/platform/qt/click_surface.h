// A widget that reports clicks as the program counts them: a double click is one click, then DblClick.
#pragma once

#include <QWidget>

#include "platform/event.h"

namespace platform::qt {

class ClickSurface : public QWidget {
public:
    explicit ClickSurface(QWidget* parent = nullptr);
    void reportClicksTo(const Event& click, const Event& dblClick);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const Event* click_ = nullptr;
    const Event* dblClick_ = nullptr;
    bool pressed_ = false;
    bool endingDoubleClick_ = false;
};

}  // namespace platform::qt
