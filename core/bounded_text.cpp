// Bounded text copies for fixed-width fields.
#include "core/bounded_text.h"

#include <cassert>
#include <charconv>
#include <cstring>

bool copyText(std::span<char> dst, const char* src)
{
    assert(!dst.empty());
    dst[0] = '\0';
    return appendText(dst, src);
}

bool appendText(std::span<char> dst, const char* src)
{
    assert(!dst.empty());
    std::size_t used = strnlen(dst.data(), dst.size());
    if (used >= dst.size()) {
        // An unterminated field: terminate it where it must end.
        dst[dst.size() - 1] = '\0';
        used = dst.size() - 1;
    }
    if (src == nullptr)
        return true;
    std::size_t room = dst.size() - 1 - used;
    std::size_t length = strlen(src);
    std::size_t taken = length < room ? length : room;
    memcpy(dst.data() + used, src, taken);
    dst[used + taken] = '\0';
    return taken == length;
}

bool appendNumber(std::span<char> dst, long value)
{
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof digits - 1, value);
    *result.ptr = '\0';
    return appendText(dst, digits);
}
