#pragma once
// Where each field of the ANSI notification record sits in its 488 bytes, and
// how one field is written there. Integers are little-endian, as on x86.

#include "tray/cTrayBalloon.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace acordina::tray::layout {

struct TextField {
    std::size_t offset;
    std::size_t size;
};

inline constexpr std::size_t kCbSize = 0;
inline constexpr std::size_t kHWnd = 4;
inline constexpr std::size_t kUID = 8;
inline constexpr std::size_t kUFlags = 12;
inline constexpr std::size_t kUCallbackMessage = 16;
inline constexpr std::size_t kHIcon = 20;
inline constexpr TextField kSzTip{24, 128};
inline constexpr std::size_t kDwState = 152;
inline constexpr std::size_t kDwStateMask = 156;
inline constexpr TextField kSzInfo{160, 256};
inline constexpr std::size_t kUTimeout = 416;
inline constexpr TextField kSzInfoTitle{420, 64};
inline constexpr std::size_t kDwInfoFlags = 484;

static_assert(kSzTip.offset + kSzTip.size == kDwState);
static_assert(kSzInfo.offset + kSzInfo.size == kUTimeout);
static_assert(kSzInfoTitle.offset + kSzInfoTitle.size == kDwInfoFlags);
static_assert(kDwInfoFlags + 4 == kRecordSize);

void PutU32(NotifyRecordBytes& buffer, std::size_t offset, std::uint32_t value);

// The text, one NUL, then blanks to the field's end. A text with no room left
// for its NUL is cut short so the shell never reads past the field.
void PutText(NotifyRecordBytes& buffer, TextField field, std::string_view text);

} // namespace acordina::tray::layout
