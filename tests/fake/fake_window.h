// A window on the fake: geometry in exact twips, visibility, enabled state, what was painted on
// it, and loading on first use.
#pragma once

#include <cstdint>
#include <string>

#include "fake/probe.h"
#include "platform/design.h"
#include "platform/window.h"

namespace fake {

class FakeWindow : public platform::Window, public Probe {
public:
    // shows counts the shows of every window, so the one shown last is the one in front.
    FakeWindow(const platform::WindowDesign& design, Journal& journal, std::uint64_t& shows)
        : Probe(design.name, journal), design_(design), shows_(shows)
    {
        reset();
    }

    platform::Twips left() const override { return use(left_); }
    platform::Twips top() const override { return use(top_); }
    platform::Twips width() const override { return use(width_); }
    platform::Twips height() const override { return use(height_); }
    void setLeft(platform::Twips left) override { act("setLeft", text(left)); left_ = left; }
    void setTop(platform::Twips top) override { act("setTop", text(top)); top_ = top; }
    void setWidth(platform::Twips width) override { act("setWidth", text(width)); width_ = width; }
    void setHeight(platform::Twips height) override { act("setHeight", text(height)); height_ = height; }

    // Asking whether a window is loaded, visible or enabled does not load it.
    bool loaded() const override { return loaded_; }
    bool visible() const override { return visible_; }
    bool enabled() const override { return enabled_; }
    void show() override;
    void hide() override { act("hide"); visible_ = false; }
    void setEnabled(bool on) override { act("setEnabled", text(on)); enabled_ = on; }
    void unload() override;

    void paintPicture(const platform::Picture& picture, platform::Twips x, platform::Twips y,
                      platform::Twips width, platform::Twips height) override;
    void refresh() override { act("refresh"); }

    // The file of the last picture painted since the window was loaded; "" for none.
    const std::string& painted() const { return painted_; }
    // The ordinal of the window's last show among all shows; 0 when not shown since loaded.
    std::uint64_t lastShown() const { return lastShown_; }

private:
    // Every operation but the three questions above loads the window first: recorded as "load",
    // then Load is raised, once.
    void load() const;
    template <class T>
    const T& use(const T& value) const
    {
        load();
        return value;
    }
    void act(const std::string& operation, const std::string& args = {})
    {
        check(operation);
        load();
        record(operation, args);
    }
    void reset();

    const platform::WindowDesign& design_;
    std::uint64_t& shows_;
    mutable bool loaded_ = false;
    bool visible_ = false, enabled_ = true;
    platform::Twips left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::string painted_;
    std::uint64_t lastShown_ = 0;
};

}  // namespace fake
