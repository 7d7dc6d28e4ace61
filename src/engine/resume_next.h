// The slide tick's error mode: a unit that fails is skipped and the tick goes on.
#pragma once

#include <exception>

namespace engine {

class ResumeNext {
public:
    template <typename Unit>
    void step(Unit&& unit)
    {
        try {
            unit();
        } catch (const std::exception&) {
        }
    }

    // A test whose condition cannot be evaluated enters its true branch.
    template <typename Condition>
    bool test(Condition&& condition)
    {
        try {
            return condition();
        } catch (const std::exception&) {
            return true;
        }
    }
};

}  // namespace engine
