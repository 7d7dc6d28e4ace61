// Which entry of File1 the tick selects, on the list itself or on a copy worked out ahead.
#pragma once

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
    explicit Selection(const platform::FileList& list) : list_(list) {}
    virtual ~Selection() = default;
    int count() const { return list_.listCount(); }
    std::string entry(int index) const { return list_.entry(index); }
    virtual int index() const = 0;
    // -1 clears the selection; anything else outside the list throws Failure and keeps it.
    virtual void select(int index) = 0;
    // The selected entry's name, or "" when none is selected.
    virtual std::string name() const = 0;

protected:
    const platform::FileList& list_;
};

// Selecting sets File1's index, which raises its Click.
class ListSelection : public Selection {
public:
    explicit ListSelection(platform::FileList& list) : Selection(list), file1_(list) {}
    int index() const override { return file1_.listIndex(); }
    void select(int index) override { file1_.setListIndex(index); }
    std::string name() const override { return file1_.fileName(); }

private:
    platform::FileList& file1_;
};

// Starts from File1's selection and keeps to its rules without touching it.
class SelectionAhead : public Selection {
public:
    explicit SelectionAhead(const platform::FileList& list) : Selection(list), index_(list.listIndex()) {}
    int index() const override { return index_; }
    void select(int index) override;
    std::string name() const override { return index_ < 0 ? std::string() : entry(index_); }

private:
    int index_;
};

enum class RandomChoice { Chosen, CycleComplete };

// The tick's choice: at random without repeats, or mFileIndex in list order (an index below 0
// starts over at the first entry). Reports a complete random cycle instead of choosing.
RandomChoice selectNext(Form1& f, Selection& list, platform::Random& rnd, state::ShowState& s, ResumeNext& rn);

}  // namespace engine
