#include "floatingpointerror.h"

#include <cmath>

namespace {
const char *messageFor(FloatingPointError::Kind kind)
{
    return kind == FloatingPointError::Kind::Overflow ? "浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ"
                                                      : "無効な浮動小数点操作";
}
} // namespace

FloatingPointError::FloatingPointError(Kind kind)
    : std::runtime_error(messageFor(kind)), kind_(kind)
{
}

void raiseFloatingPointError(FloatingPointError::Kind kind)
{
    throw FloatingPointError(kind);
}

double checkedResult(double value)
{
    if (!std::isfinite(value))
        raiseFloatingPointError(FloatingPointError::Kind::Overflow);
    return value;
}
