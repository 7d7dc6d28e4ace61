// Which entry of File1 the tick selects, on the list itself or on a copy worked out ahead.
#pragma once

#include <set>
#include <string>

#include "platform/controls.h"

struct Form1;

namespace platform {
class Random;
}
namespace state {
struct ShowState;
}

namespace engine {

class ResumeNext;

class Selection {
public:
    virtual ~Selection() = default;
    virtual int count() const = 0;
    virtual std::string entry(int index) const = 0;
    virtual int index() const = 0;
    // -1 clears the selection; anything else outside the list throws Failure and keeps it.
    virtual void select(int index) = 0;
    // The selected entry's name, or "" when none is selected.
    virtual std::string name() const = 0;
    // Records a name as shown in this random cycle.
    virtual void record(const std::string& name) = 0;
};

// Selecting sets File1's index, which raises its Click; recording adds to the cycle's record.
class ListSelection : public Selection {
public:
    ListSelection(platform::FileList& list, std::set<std::string>& shown) : file1_(list), shown_(shown) {}
    int count() const override { return file1_.listCount(); }
    std::string entry(int index) const override { return file1_.entry(index); }
    int index() const override { return file1_.listIndex(); }
    void select(int index) override { file1_.setListIndex(index); }
    std::string name() const override { return file1_.fileName(); }
    void record(const std::string& name) override { shown_.insert(name); }

private:
    platform::FileList& file1_;
    std::set<std::string>& shown_;
};

// Starts from File1's selection and keeps to its rules without touching it; a choice worked out
// ahead records nothing.
class SelectionAhead : public Selection {
public:
    explicit SelectionAhead(const platform::FileList& list) : file1_(list), index_(list.listIndex()) {}
    int count() const override { return file1_.listCount(); }
    std::string entry(int index) const override { return file1_.entry(index); }
    int index() const override { return index_; }
    void select(int index) override;
    std::string name() const override { return index_ < 0 ? std::string() : entry(index_); }
    void record(const std::string&) override {}

private:
    const platform::FileList& file1_;
    int index_;
};

enum class RandomChoice { Chosen, CycleComplete };

// The tick's choice: at random without repeats, or mFileIndex in list order (an index below 0
// starts over at the first entry). Reports a complete random cycle instead of choosing.
RandomChoice selectNext(Form1& f, Selection& list, platform::Random& rnd, const state::ShowState& s,
                        ResumeNext& rn);

}  // namespace engine
