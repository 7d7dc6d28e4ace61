// The timer: a QTimer that counts a full interval from every enabling.
#pragma once

#include <QTimer>

#include "platform/controls.h"
#include "platform/design.h"

namespace platform::qt {

class QtTimer : public Timer {
public:
    // Enabled from creation, with the design value as its interval.
    explicit QtTimer(const ControlDesign& design);

    bool enabled() const override;
    void setEnabled(bool enabled) override;
    int interval() const override;
    void setInterval(int milliseconds) override;

private:
    void apply();

    QTimer timer_;
    bool enabled_ = true;
};

}  // namespace platform::qt
