#include "text/Utf8.h"

namespace acordina::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void Append(std::string& out, char32_t c) {
    const auto byte = [&](unsigned v) { out.push_back(static_cast<char>(v)); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | c >> 6);
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | c >> 12);
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | c >> 18);
        byte(0x80 | (c >> 12 & 0x3F));
        byte(0x80 | (c >> 6 & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

void Append(std::wstring& out, char32_t c) {
    // Windows' wchar_t is UTF-16: a character beyond the first plane takes a surrogate pair.
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
            return;
        }
    }
    out.push_back(static_cast<wchar_t>(c));
}

bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

} // namespace

std::string ToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        if (sizeof(wchar_t) == 2 && c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() &&
            text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
        } else if (IsSurrogate(c) || c > 0x10FFFF) {
            c = kReplacement;
        }
        Append(out, c);
    }
    return out;
}

std::optional<std::wstring> FromUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        // The sequence's length and the smallest character it may carry.
        const auto [length, least] = lead < 0x80   ? std::pair{1u, char32_t{0}}
                                     : lead < 0xC0 ? std::pair{0u, char32_t{0}}
                                     : lead < 0xE0 ? std::pair{2u, char32_t{0x80}}
                                     : lead < 0xF0 ? std::pair{3u, char32_t{0x800}}
                                     : lead < 0xF8 ? std::pair{4u, char32_t{0x10000}}
                                                   : std::pair{0u, char32_t{0}};
        if (length == 0 || bytes.size() - i < length) {
            return std::nullopt;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (unsigned k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            c = c << 6 | (next & 0x3F);
        }
        if (c < least || c > 0x10FFFF || IsSurrogate(c)) {
            return std::nullopt;
        }
        Append(out, c);
        i += length;
    }
    return out;
}

} // namespace acordina::text
