// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Settings of the long randomised tests from the environment (seeds, counts), so that a run
// can be repeated exactly.
#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace vorn::testing {

// A whole number from the environment, or `fallback` when it is unset. A text that is not a
// whole number of at least `least` fails the test rather than run with a number nobody chose.
inline unsigned long EnvNumber(const char* name, unsigned long fallback, unsigned long least = 0) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  const std::string_view digits(text);
  unsigned long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || value < least) {
    ADD_FAILURE() << name << "=" << text << " is not a whole number of " << least
                  << " or more; using " << fallback;
    return fallback;
  }
  return value;
}

}  // namespace vorn::testing
