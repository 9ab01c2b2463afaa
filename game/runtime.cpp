// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Conversions and checks of the module's runtime.
#include "game/runtime.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace vorn {

namespace {

long long RoundHalfEven(double value, long long low, long long high) {
  if (std::isnan(value)) throw RunTimeError("overflow: not a number");
  // nearbyint follows the default rounding mode, which rounds halves to even.
  const double rounded = std::nearbyint(value);
  if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high)) {
    throw RunTimeError("overflow: " + std::to_string(value));
  }
  return static_cast<long long>(rounded);
}

}  // namespace

void SubscriptOutOfRange(long long index, std::size_t size) {
  throw RunTimeError("subscript out of range: " + std::to_string(index) + " not in 0.." +
                     std::to_string(size - 1));
}

Integer ToInteger(long long value) {
  if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max()) {
    throw RunTimeError("overflow: " + std::to_string(value) + " is not a 16-bit integer");
  }
  return static_cast<Integer>(value);
}

Integer RoundHalfEvenToInteger(double value) {
  return static_cast<Integer>(RoundHalfEven(value, std::numeric_limits<Integer>::min(),
                                            std::numeric_limits<Integer>::max()));
}

Long RoundHalfEvenToLong(double value) {
  return static_cast<Long>(
      RoundHalfEven(value, std::numeric_limits<Long>::min(), std::numeric_limits<Long>::max()));
}

Integer SaturatingAdd(Integer base, double addend) {
  const double sum = std::nearbyint(static_cast<double>(base) + addend);
  if (sum >= std::numeric_limits<Integer>::max()) return std::numeric_limits<Integer>::max();
  if (sum <= std::numeric_limits<Integer>::min()) return std::numeric_limits<Integer>::min();
  return static_cast<Integer>(sum);
}

double LeadingNumber(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  double sign = 1.0;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
    if (text[at] == '-') sign = -1.0;
    ++at;
  }
  double number = 0.0;
  while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
    number = number * 10.0 + (text[at] - '0');
    ++at;
  }
  if (at < text.size() && text[at] == '.') {
    double scale = 0.1;
    for (++at; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
      number += (text[at] - '0') * scale;
      scale /= 10.0;
    }
  }
  return sign * number;
}

std::string Left(const std::string& text, std::size_t length) { return text.substr(0, length); }

std::string Right(const std::string& text, std::size_t length) {
  return length >= text.size() ? text : text.substr(text.size() - length);
}

std::string WithLeadingSpace(long long value) {
  // Twice for every cell drawn: to_chars, not a formatted print.
  char text[24] = {' '};
  char* const digits = value < 0 ? text : text + 1;
  const char* const end = std::to_chars(digits, text + sizeof text, value).ptr;
  return std::string(static_cast<const char*>(text), end);
}

}  // namespace vorn
