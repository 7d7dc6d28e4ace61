// The one error type of the platform layer: an operation that could not be done.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace platform
