// The slide tick's error mode: a unit that fails is skipped and the tick goes on.
#pragma once

#include <exception>

#include "platform/failure.h"

namespace engine {

class ResumeNext {
public:
    // Each failure skipped leaves its reason in the log.
    explicit ResumeNext(platform::FailureLog& log) : log_(log) {}

    template <typename Unit>
    void step(Unit&& unit)
    {
        try {
            unit();
        } catch (const std::exception& failure) {
            passOver(failure);
        }
    }

    // A test whose condition cannot be evaluated enters its true branch.
    template <typename Condition>
    bool test(Condition&& condition)
    {
        try {
            return condition();
        } catch (const std::exception& failure) {
            passOver(failure);
            return true;
        }
    }

private:
    void passOver(const std::exception& failure) { log_.passedOver("slide tick", failure.what()); }

    platform::FailureLog& log_;
};

}  // namespace engine
