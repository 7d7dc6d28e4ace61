// Every fake object's changes: recorded in one journal, any of them failing on request.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/event.h"
#include "platform/units.h"

namespace fake {

// The changes made through the fake, in the order they were made: "Form2.show",
// "File1.setListIndex 2", "Form2.paintPicture 0 0 11500 6250". Reads are not recorded.
class Journal {
public:
    void add(std::string entry) { entries_.push_back(std::move(entry)); }
    const std::vector<std::string>& entries() const { return entries_; }
    // The entries that begin with prefix, in order: "Form2." gives every change of Form2.
    std::vector<std::string> startingWith(const std::string& prefix) const;
    void clear() { entries_.clear(); }

private:
    std::vector<std::string> entries_;
};

// Twips as the journal writes them: exact, so a half twip shows as ".5".
std::string text(platform::Twips twips);
std::string text(bool on);

class Probe {
public:
    virtual ~Probe() = default;
    const std::string& name() const { return name_; }
    // From now on the named change ("setWidth", "paintPicture") throws platform::Failure.
    void failOn(const std::string& operation) { failing_.insert(operation); }

protected:
    Probe(std::string name, Journal& journal) : name_(std::move(name)), journal_(journal) {}
    // Throws when the operation was told to fail; an operation told to fail is not recorded.
    void check(const std::string& operation) const;
    void record(const std::string& operation, const std::string& args = {}) const;
    void change(const std::string& operation, const std::string& args = {}) const
    {
        check(operation);
        record(operation, args);
    }
    // A setter whose event is raised only when the value changes.
    template <class T>
    void assign(const std::string& operation, T& slot, const T& value, const std::string& args,
                const platform::Event& event) const
    {
        change(operation, args);
        if (slot == value)
            return;
        slot = value;
        event.raise();
    }

private:
    std::string name_;
    Journal& journal_;
    std::set<std::string> failing_;
};

}  // namespace fake
