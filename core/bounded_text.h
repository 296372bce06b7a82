// Bounded copies into the program's fixed-width, zero-terminated text fields.
//
// All writes into char arrays of records go through these helpers so that no
// field can overflow; the caller learns whether the text had to be cut.
#pragma once

#include <cstddef>
#include <span>

// Copies src into dst (at most dst.size()-1 characters plus a terminating
// zero). Returns false when src was cut to fit. dst must not be empty; a
// null src copies as the empty text.
[[nodiscard]] bool copyText(std::span<char> dst, const char* src);

// Appends src to the zero-terminated text already in dst, within dst.size().
// Returns false when src was cut to fit.
[[nodiscard]] bool appendText(std::span<char> dst, const char* src);

// Appends the decimal form of value (a minus sign when negative, no leading
// zeros) to the text in dst. Returns false when it had to be cut.
[[nodiscard]] bool appendNumber(std::span<char> dst, long value);
