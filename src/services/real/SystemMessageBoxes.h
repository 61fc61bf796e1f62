#pragma once

#include "services/Services.h"

namespace acordina::win32 {

class SystemMessageBoxes final : public MessageBoxes {
public:
    int Show(HWND owner, std::wstring_view text, std::wstring_view title, unsigned style) override;
};

} // namespace acordina::win32
