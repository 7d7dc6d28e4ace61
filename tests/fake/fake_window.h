// A window on the fake: geometry in exact twips, visibility, enabled state, what was painted on
// it, and loading on first use.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "fake/probe.h"
#include "platform/design.h"
#include "platform/window.h"

namespace fake {

struct Painting {
    std::string path;
    platform::Twips x, y, width, height;
};

class FakeWindow : public platform::Window, public Probe {
public:
    // shows counts the shows of every window, so the one shown last is the one in front.
    FakeWindow(const platform::WindowDesign& design, Journal& journal, std::uint64_t& shows)
        : Probe(design.name, journal), design_(design), shows_(shows)
    {
        reset();
    }

    platform::Twips left() const override { return use("left", left_); }
    platform::Twips top() const override { return use("top", top_); }
    platform::Twips width() const override { return use("width", width_); }
    platform::Twips height() const override { return use("height", height_); }
    void setLeft(platform::Twips left) override { act("setLeft", text(left)); left_ = left; }
    void setTop(platform::Twips top) override { act("setTop", text(top)); top_ = top; }
    void setWidth(platform::Twips width) override { act("setWidth", text(width)); width_ = width; }
    void setHeight(platform::Twips height) override { act("setHeight", text(height)); height_ = height; }

    // Asking whether a window is loaded, visible or enabled does not load it.
    bool loaded() const override { return loaded_; }
    bool visible() const override { return read("visible", visible_); }
    bool enabled() const override { return read("enabled", enabled_); }
    void show() override;
    void hide() override { act("hide"); visible_ = false; }
    void setEnabled(bool on) override { act("setEnabled", text(on)); enabled_ = on; }
    void unload() override;

    void paintPicture(const platform::Picture& picture, platform::Twips x, platform::Twips y,
                      platform::Twips width, platform::Twips height) override;
    void refresh() override { act("refresh"); }

    // The last picture painted since the window was loaded.
    const std::optional<Painting>& painting() const { return painting_; }
    // The ordinal of the window's last show among all shows; 0 when not shown since loaded.
    std::uint64_t lastShown() const { return lastShown_; }

private:
    // Every operation but the three questions above loads the window first: recorded as "load",
    // then Load is raised, once.
    void load(const std::string& operation) const;
    template <class T>
    const T& use(const std::string& operation, const T& value) const
    {
        load(operation);
        return value;
    }
    void act(const std::string& operation, const std::string& args = {})
    {
        load(operation);
        record(operation, args);
    }
    void reset();

    const platform::WindowDesign& design_;
    std::uint64_t& shows_;
    mutable bool loaded_ = false;
    bool visible_ = false, enabled_ = true;
    platform::Twips left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::optional<Painting> painting_;
    std::uint64_t lastShown_ = 0;
};

}  // namespace fake
