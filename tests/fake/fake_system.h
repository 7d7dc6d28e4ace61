// The desktop services on the fake: pictures of chosen sizes, a chosen screen, scripted random
// numbers, and a message box, a session and a program end that only record.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fake/probe.h"
#include "platform/picture.h"
#include "platform/system.h"

namespace fake {

class FakePicture : public platform::Picture {
public:
    FakePicture(std::string path, platform::Twips width, platform::Twips height)
        : path_(std::move(path)), width_(width), height_(height) {}
    platform::Twips width() const override { return width_; }
    platform::Twips height() const override { return height_; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    platform::Twips width_, height_;
};

// The file a picture was loaded from, or "" for none.
std::string pathOf(const platform::Picture* picture);
inline std::string pathOf(const platform::PicturePtr& picture) { return pathOf(picture.get()); }

// Serves the pictures added to it; any other path fails as an unreadable file.
class FakePictureLoader : public platform::PictureLoader, public Probe {
public:
    explicit FakePictureLoader(Journal& journal) : Probe("Pictures", journal) {}
    void add(const std::string& path, platform::Twips width, platform::Twips height);
    platform::PicturePtr load(const std::string& path) override;
    void prefetch(const std::string& path) override { change("prefetch", path); }

private:
    std::map<std::string, platform::PicturePtr> files_;
};

// 12000 x 9000 twips unless resized.
class FakeScreen : public platform::Screen, public Probe {
public:
    explicit FakeScreen(Journal& journal) : Probe("Screen", journal) {}
    platform::Twips width() const override { return width_; }
    platform::Twips height() const override { return height_; }
    void resize(platform::Twips width, platform::Twips height)
    {
        width_ = width;
        height_ = height;
    }

private:
    platform::Twips width_ = 12000, height_ = 9000;
};

class FakeMessageBox : public platform::MessageBox, public Probe {
public:
    explicit FakeMessageBox(Journal& journal) : Probe("MsgBox", journal) {}
    void show(const std::string& text, const std::string& title) override { change("show", text + " | " + title); }
};

// Returns the scripted numbers in order, then the last one for ever (0 when none was scripted).
class FakeRandom : public platform::Random, public Probe {
public:
    explicit FakeRandom(Journal& journal) : Probe("Random", journal) {}
    void script(const std::vector<double>& numbers) { queue_.insert(queue_.end(), numbers.begin(), numbers.end()); }
    void reseed() override { change("reseed"); }
    double next() override;

private:
    std::deque<double> queue_;
};

// Every call, oldest first; called after each handled event, so the same value comes again and again.
class FakeSession : public platform::Session {
public:
    void setShowRunning(bool running) override { calls.push_back(running); }
    std::vector<bool> calls;
};

class FakeProgram : public platform::Program, public Probe {
public:
    explicit FakeProgram(Journal& journal) : Probe("Program", journal) {}
    void end() override { change("end"); }
};

}  // namespace fake
