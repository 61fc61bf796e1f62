#include "ui/Colors.h"

namespace acordina::win32 {

COLORREF ToColorRef(OleColor c) {
    return IsSystemColor(c) ? GetSysColor(static_cast<int>(c & 0xFF)) : static_cast<COLORREF>(c);
}

HBRUSH ColorBrush::Get(OleColor c) {
    if (IsSystemColor(c)) {
        return GetSysColorBrush(static_cast<int>(c & 0xFF));
    }
    if (!own_ || color_ != c) {
        own_.reset(CreateSolidBrush(static_cast<COLORREF>(c)));
        color_ = c;
    }
    return own_.get();
}

} // namespace acordina::win32
