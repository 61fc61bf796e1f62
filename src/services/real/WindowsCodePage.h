#pragma once
// A code page by its Windows number, converted by the system.

#include "text/CodePage.h"

namespace acordina::win32 {

class WindowsCodePage final : public text::CodePage {
public:
    explicit WindowsCodePage(unsigned number) : number_(number) {}
    std::string Encode(std::wstring_view text) const override;
    std::wstring Decode(std::string_view bytes) const override;

private:
    unsigned number_;
};

} // namespace acordina::win32
