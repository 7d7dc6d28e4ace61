// A widget that reports clicks as the program counts them: a double click is one click, then DblClick.
#pragma once

#include <QTimer>
#include <QWidget>

#include "platform/event.h"

namespace platform::qt {

// Reports the keys the surface itself receives. While a show runs, the pointer hides over the
// surface when it rests.
class ClickSurface : public QWidget {
public:
    explicit ClickSurface(QWidget* parent = nullptr);
    ~ClickSurface() override;
    void reportClicksTo(const Event& click, const Event& dblClick);
    void reportKeysTo(const KeyEvent& keyPress);

    // On every surface at once: the pointer hides after resting a while, and shows when moved.
    static void hidePointerWhenIdle(bool hide);

    // For a surface window: changing the widget's own flags would hide a visible window, so a
    // created native window is changed directly.
    void setWindowFlagInPlace(Qt::WindowType flag, bool on);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool receivesKeys() const;

    const Event* click_ = nullptr;
    const Event* dblClick_ = nullptr;
    const KeyEvent* keyPress_ = nullptr;
    bool pressed_ = false;
    bool endingDoubleClick_ = false;
    QTimer resting_;
};

}  // namespace platform::qt
