#pragma once

#include <stdexcept>

// A floating-point operation that overflowed or had no valid result. The
// message is the text the error box shows.
class FloatingPointError : public std::runtime_error {
public:
    enum class Kind { Overflow, InvalidOperation };

    explicit FloatingPointError(Kind kind);
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

[[noreturn]] void raiseFloatingPointError(FloatingPointError::Kind kind);

// Arithmetic on finite values that became infinite (or NaN) has overflowed:
// the caller keeps its old value when this throws.
double checkedResult(double value);
