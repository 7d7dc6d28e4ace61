// What the program asks of the desktop besides windows and controls.
#pragma once

#include <memory>
#include <string>

#include "platform/units.h"

namespace platform {

// A rectangle of the desktop, measured from the desktop's upper-left corner.
struct Area {
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
};

// The primary monitor. With several monitors it need not start at the desktop's corner.
class Screen {
public:
    virtual ~Screen() = default;
    // The whole monitor, the desktop's panels and docks included: what the blackout covers.
    virtual Area monitor() const = 0;
    // The part of it that the desktop's panels and docks leave free. Pictures are placed and fitted
    // here, since window managers move windows off their panels anyway.
    virtual Area workArea() const = 0;
};

// Modal, one OK button, no icon; returns when the user closes it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& text, const std::string& title) = 0;
};

class Random {
public:
    virtual ~Random() = default;
    virtual void reseed() = 0;
    // Uniform in [0, 1).
    virtual double next() = 0;
    // An independent copy: the calls this source would answer next, asked of the copy, get the same
    // numbers, and neither source disturbs the other.
    virtual std::unique_ptr<Random> fork() const = 0;
};

// The desktop's part in a running show: no screensaver, no pointer over the picture.
class Session {
public:
    virtual ~Session() = default;
    virtual void setShowRunning(bool running) = 0;
};

// Ends the program: every window closes and the process exits.
class Program {
public:
    virtual ~Program() = default;
    virtual void end() = 0;
};

}  // namespace platform
