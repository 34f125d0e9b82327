#pragma once
// Rounding numbers to the forms run-time's integer types. A result outside the type's range
// (or a value that is not finite) is the run-time's overflow error: nothing.
#include <cstdint>
#include <optional>

// Nearest integer, halves to even: 2.5 gives 2, 3.5 gives 4, -2.5 gives -2.
std::optional<std::int16_t> RoundToInt16(double value);
std::optional<std::int32_t> RoundToInt32(double value);

// Largest integer not above `value`: 1.9 gives 1, -0.5 gives -1.
std::optional<std::int16_t> RoundDownToInt16(double value);
