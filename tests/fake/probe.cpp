// The journal and the failure switch shared by every fake object.
#include "fake/probe.h"

#include <iomanip>
#include <sstream>

#include "platform/failure.h"

namespace fake {

std::vector<std::string> Journal::startingWith(const std::string& prefix) const
{
    std::vector<std::string> out;
    for (const std::string& entry : entries_)
        if (entry.compare(0, prefix.size(), prefix) == 0)
            out.push_back(entry);
    return out;
}

std::string text(platform::Twips twips)
{
    // Nine significant digits write every float back exactly.
    std::ostringstream out;
    out << std::setprecision(9) << twips;
    return out.str();
}

std::string text(bool on)
{
    return on ? "true" : "false";
}

void Probe::check(const std::string& operation) const
{
    if (failing_.count(operation) != 0)
        throw platform::Failure(name_ + "." + operation + " told to fail");
}

void Probe::record(const std::string& operation, const std::string& args) const
{
    journal_.add(name_ + "." + operation + (args.empty() ? "" : " " + args));
}

}  // namespace fake
