#pragma once

#include <cstdint>

namespace zarvin {

// A signed 32-bit value whose +, - and * wrap modulo 2^32 (two's complement)
// instead of overflowing, so formulas can be written as they read.
class WrappingInt {
public:
    constexpr WrappingInt(std::int32_t value) : value_(value) {}
    constexpr std::int32_t value() const { return value_; }

    friend constexpr WrappingInt operator+(WrappingInt a, WrappingInt b) {
        return fromBits(a.bits() + b.bits());
    }
    friend constexpr WrappingInt operator-(WrappingInt a, WrappingInt b) {
        return fromBits(a.bits() - b.bits());
    }
    friend constexpr WrappingInt operator*(WrappingInt a, WrappingInt b) {
        return fromBits(a.bits() * b.bits());
    }
    // Truncates toward zero. The only overflowing quotient, INT32_MIN / -1,
    // wraps back to INT32_MIN.
    friend constexpr WrappingInt operator/(WrappingInt a, WrappingInt b) {
        if (b.value_ == -1)
            return WrappingInt(0) - a;
        return WrappingInt(a.value_ / b.value_);
    }

private:
    constexpr std::uint32_t bits() const { return static_cast<std::uint32_t>(value_); }
    // Unsigned to signed conversion is modular since C++20.
    static constexpr WrappingInt fromBits(std::uint32_t bits) {
        return WrappingInt(static_cast<std::int32_t>(bits));
    }

    std::int32_t value_;
};

} // namespace zarvin
