#include "persist/text_encoding.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace welkin {

namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes become U+FFFD.
constexpr std::array<char32_t, 32> cp1252_high = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

void append_utf8(std::string& out, char32_t c) {
    const auto byte = [&out](std::uint32_t b) { out.push_back(static_cast<char>(b)); };
    const auto u = static_cast<std::uint32_t>(c);
    if (u < 0x80) {
        byte(u);
    } else if (u < 0x800) {
        byte(0xC0 | (u >> 6));
        byte(0x80 | (u & 0x3F));
    } else {
        byte(0xE0 | (u >> 12));
        byte(0x80 | ((u >> 6) & 0x3F));
        byte(0x80 | (u & 0x3F));
    }
}

}  // namespace

bool is_valid_utf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        std::size_t extra = 0;
        std::uint32_t code = 0;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            extra = 1;
            code = b & 0x1Fu;
        } else if (b >= 0xE0 && b <= 0xEF) {
            extra = 2;
            code = b & 0x0Fu;
        } else if (b >= 0xF0 && b <= 0xF4) {
            extra = 3;
            code = b & 0x07u;
        } else {
            return false;
        }
        if (i + extra >= bytes.size()) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            code = (code << 6) | (c & 0x3Fu);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((extra == 2 && code < 0x800) || (extra == 3 && code < 0x10000) ||
            (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

std::string utf8_from_file_text(std::string_view bytes) {
    if (is_valid_utf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.push_back(ch);
        } else if (b < 0xA0) {
            append_utf8(out, cp1252_high[b - 0x80u]);
        } else {
            append_utf8(out, b);
        }
    }
    return out;
}

}  // namespace welkin
