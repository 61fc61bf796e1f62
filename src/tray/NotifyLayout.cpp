#include "tray/NotifyLayout.h"

#include <algorithm>

namespace acordina::tray::layout {

void PutU32(NotifyRecordBytes& buffer, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        buffer.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void PutText(NotifyRecordBytes& buffer, TextField field, std::string_view text) {
    const auto begin = buffer.begin() + static_cast<std::ptrdiff_t>(field.offset);
    const auto end = begin + static_cast<std::ptrdiff_t>(field.size);
    const std::size_t kept = std::min(text.size(), field.size - 1);
    auto out = std::copy_n(text.begin(), kept, begin);
    *out++ = 0;
    std::fill(out, end, static_cast<std::uint8_t>(' '));
}

} // namespace acordina::tray::layout
