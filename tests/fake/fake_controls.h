// The simple controls on the fake: each keeps its value in memory and raises its event when a
// setter changes that value.
#pragma once

#include <string>
#include <utility>

#include "fake/fake_system.h"
#include "fake/probe.h"
#include "platform/controls.h"

namespace fake {

template <class Interface>
class FakeControl : public Interface, public Probe {
public:
    FakeControl(std::string name, Journal& journal) : Probe(std::move(name), journal) {}
    bool visible() const override { return visible_; }
    void setVisible(bool on) override { change("setVisible", fake::text(on)); visible_ = on; }

private:
    bool visible_ = true;
};

using FakeCommandButton = FakeControl<platform::CommandButton>;

class FakeLabel : public FakeControl<platform::Label> {
public:
    FakeLabel(std::string name, Journal& journal, std::string caption)
        : FakeControl(std::move(name), journal), caption_(std::move(caption)) {}
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { change("setCaption", caption); caption_ = caption; }

private:
    std::string caption_;
};

class FakeCheckBox : public FakeControl<platform::CheckBox> {
public:
    using FakeControl::FakeControl;
    int value() const override { return value_; }
    void setValue(int value) override { assign("setValue", value_, value, std::to_string(value), Click); }

private:
    int value_ = 0;
};

class FakeTextBox : public FakeControl<platform::TextBox> {
public:
    FakeTextBox(std::string name, Journal& journal, std::string text)
        : FakeControl(std::move(name), journal), text_(std::move(text)) {}
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { assign("setText", text_, text, text, Change); }

private:
    std::string text_;
};

class FakeScrollBar : public FakeControl<platform::ScrollBar> {
public:
    FakeScrollBar(std::string name, Journal& journal, int value) : FakeControl(std::move(name), journal), value_(value) {}
    int value() const override { return value_; }
    void setValue(int value) override { assign("setValue", value_, value, std::to_string(value), Change); }

private:
    int value_;
};

class FakeTimer : public platform::Timer, public Probe {
public:
    FakeTimer(std::string name, Journal& journal, int interval) : Probe(std::move(name), journal), interval_(interval) {}
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override { change("setEnabled", text(on)); enabled_ = on; }
    int interval() const override { return interval_; }
    void setInterval(int ms) override { change("setInterval", std::to_string(ms)); interval_ = ms; }
    // One interval has passed: Tick is raised only while the timer is enabled, as on the desktop.
    void fire() const
    {
        if (enabled_)
            Tick.raise();
    }

private:
    bool enabled_ = true;
    int interval_;
};

class FakePictureBox : public FakeControl<platform::PictureBox> {
public:
    FakePictureBox(std::string name, Journal& journal, platform::Twips width, platform::Twips height)
        : FakeControl(std::move(name), journal), width_(width), height_(height) {}
    platform::PicturePtr picture() const override { return picture_; }
    // Sizes itself to the picture, as the program's picture box does.
    void setPicture(platform::PicturePtr picture) override
    {
        change("setPicture", pathOf(picture));
        picture_ = std::move(picture);
        if (picture_) {
            width_ = picture_->width();
            height_ = picture_->height();
        }
    }
    platform::Twips width() const override { return width_; }
    platform::Twips height() const override { return height_; }
    void setWidth(platform::Twips width) override { change("setWidth", text(width)); width_ = width; }
    void setHeight(platform::Twips height) override { change("setHeight", text(height)); height_ = height; }

private:
    platform::PicturePtr picture_;
    platform::Twips width_, height_;
};

}  // namespace fake
