#include "alarm/TimeText.h"

#include <array>
#include <cstddef>

namespace acordina::alarm {
namespace {

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// One field of one or two digits at the front of `rest`, consumed.
std::optional<int> ReadField(std::wstring_view& rest) {
    std::size_t length = 0;
    int value = 0;
    while (length < rest.size() && length < 3 && IsDigit(rest[length])) {
        value = value * 10 + (rest[length] - L'0');
        ++length;
    }
    if (length == 0 || length > 2) {
        return std::nullopt;
    }
    rest.remove_prefix(length);
    return value;
}

wchar_t Digit(int value) {
    return static_cast<wchar_t>(L'0' + value % 10);
}

} // namespace

std::optional<TimeOfDay> LerHora(std::wstring_view text) {
    std::array<int, 3> fields{};
    std::size_t count = 0;
    for (;;) {
        if (count == fields.size()) {
            return std::nullopt;
        }
        const std::optional<int> field = ReadField(text);
        if (!field) {
            return std::nullopt;
        }
        fields[count++] = *field;
        if (text.empty()) {
            break;
        }
        if (text.front() != L':') {
            return std::nullopt;
        }
        text.remove_prefix(1);
    }
    if (count < 2 || fields[0] > 23 || fields[1] > 59 || fields[2] > 59) {
        return std::nullopt;
    }
    return TimeOfDay{fields[0], fields[1], fields[2]};
}

ClockText FormatarHora(TimeOfDay t) {
    ClockText out{};
    const std::array<int, 3> fields = {t.hour, t.minute, t.second};
    wchar_t* p = out.text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            *p++ = L':';
        }
        *p++ = Digit(fields[i] / 10);
        *p++ = Digit(fields[i]);
    }
    *p = L'\0';
    return out;
}

} // namespace acordina::alarm
