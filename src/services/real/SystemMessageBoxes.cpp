#include "services/real/SystemMessageBoxes.h"

namespace acordina::win32 {

int SystemMessageBoxes::Show(HWND owner, std::wstring_view text, std::wstring_view title,
                             unsigned style) {
    return MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(title).c_str(), style);
}

} // namespace acordina::win32
