#include "math/FinalFrame.h"

namespace math {

Symbol FinalFrame::typeSymbol() { return SYM(L"finalFrame"); }

} // namespace math
