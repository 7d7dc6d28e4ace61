// The one error type of the platform layer, an operation that could not be done, and where a failure
// the program passes over without a word leaves its reason.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& what) : std::runtime_error(what) {}
};

// The program shows nothing for these, but whoever asks why a picture was skipped gets the reason.
class FailureLog {
public:
    virtual ~FailureLog() = default;
    virtual void passedOver(const std::string& where, const std::string& reason) = 0;
};

}  // namespace platform
