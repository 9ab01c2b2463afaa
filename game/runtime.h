// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The small runtime the game module is written against: 16-bit integers that never wrap,
// arrays that refuse an index outside their bounds, and the number/text conversions the
// cell lists and position keys rely on (rounding halves to even, numeric-prefix reading).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorn {

using Integer = std::int16_t;  // the module's 16-bit signed integer
using Long = std::int32_t;     // 32-bit signed integer
using Single = float;          // single-precision float
using Color = std::uint32_t;   // 0xRRGGBB

// A run-time error: an index out of bounds, an overflow or an invalid call. The module never
// recovers from one; it means a fault in the program.
class RunTimeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Converts to a 16-bit Integer; a value out of range is an overflow, never a wrap-around.
Integer ToInteger(long long value);

// Rounds to the nearest whole number, halves to the even one (148.5 -> 148, 134.5 -> 134),
// and converts to Integer / Long; out of range is an overflow.
Integer RoundHalfEvenToInteger(double value);
Long RoundHalfEvenToLong(double value);

// Adds to a 16-bit value and pins the sum at -32768 or 32767 instead of overflowing.
Integer SaturatingAdd(Integer base, double addend);

// Reads the numeric prefix of a text: optional blanks, an optional sign, digits and an
// optional fraction. Reading stops at the first other character; no number at all gives 0.
double LeadingNumber(std::string_view text);

// The first or last `length` characters of a text (all of it when shorter).
std::string Left(const std::string& text, std::size_t length);
std::string Right(const std::string& text, std::size_t length);

// Number to text for display, with one space before a non-negative number (" 11", "-3").
std::string WithLeadingSpace(long long value);

// Throws the run-time error of an index outside 0..size - 1.
[[noreturn]] void SubscriptOutOfRange(long long index, std::size_t size);

// Index in [0, Size): every access is checked, so a stray index fails loudly instead of
// touching memory it does not own.
template <typename T, std::size_t Size>
class CheckedArray {
 public:
  T& operator[](long long index) { return items_[Checked(index)]; }
  const T& operator[](long long index) const { return items_[Checked(index)]; }
  static constexpr std::size_t size() { return Size; }
  void fill(const T& value) { items_.fill(value); }

 private:
  // Small enough to be inlined everywhere: the error is built out of line.
  static std::size_t Checked(long long index) {
    if (index < 0 || index >= static_cast<long long>(Size)) [[unlikely]] {
      SubscriptOutOfRange(index, Size);
    }
    return static_cast<std::size_t>(index);
  }
  std::array<T, Size> items_{};
};

}  // namespace vorn
