// Arithmetic that fails its unit instead of overflowing, dividing by zero or producing NaN.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/failure.h"

namespace engine::checked {

inline std::int32_t increment(std::int32_t value)
{
    if (value == std::numeric_limits<std::int32_t>::max())
        throw platform::Failure("integer overflow");
    return value + 1;
}

template <typename Real>
Real finite(Real value)
{
    if (!std::isfinite(value))
        throw platform::Failure("floating-point overflow or invalid operation");
    return value;
}

template <typename Real>
Real divide(Real numerator, Real denominator)
{
    if (denominator == 0)
        throw platform::Failure("division by zero");
    return finite(numerator / denominator);
}

}  // namespace engine::checked
