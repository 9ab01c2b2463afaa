#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up a Debian 12 machine for Vorn and builds it, then plays or tests.
#   ./setup.sh run      install what is missing, build, start the game
#   ./setup.sh test     install what is missing, build, run the whole test suite (twice: the
#                       second time built with the address and undefined-behaviour sanitizers)
#                       and fuzz vorn-replay for a minute
#   ./setup.sh package  install what is missing, build for release, make the Debian packages
#                       vorn and vorn-tools in build-package/
# Run as root, or as a user who may use sudo (only apt-get needs it).
set -eu

cd "$(dirname "$0")"
mode=${1:-}
case "$mode" in
  run|test|package) ;;
  *) echo "usage: $0 run|test|package" >&2; exit 2 ;;
esac

# Building needs these; each mode adds its own.
packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev"
case "$mode" in
  run) packages="$packages qt6-wayland" ;;
  # The suite's libraries, the validators of the desktop entry and metainfo, the man-page
  # linter, what building a Debian package needs (dpkg-shlibdeps, file), the package linter,
  # and libFuzzer for clang 14, Debian 12's default clang (libclang-rt-14-dev).
  test) packages="$packages libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils appstream
    mandoc dpkg-dev file lintian clang libclang-rt-14-dev" ;;
  package) packages="$packages dpkg-dev file" ;;
esac

missing=""
for package in $packages; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  case "$status" in
    *"install ok installed"*) ;;
    *) missing="$missing $package" ;;
  esac
done
if [ -n "$missing" ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing:$missing"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
fi

jobs=$(nproc 2>/dev/null || echo 2)
build() {  # build DIR [cmake options...]
  dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" --parallel "$jobs"
}

if [ "$mode" = run ]; then
  build build-release -DCMAKE_BUILD_TYPE=Release -DVORN_BUILD_TESTS=OFF
  exec ./build-release/vorn
fi

if [ "$mode" = package ]; then
  build build-package -DCMAKE_BUILD_TYPE=Release -DVORN_BUILD_TESTS=OFF
  (cd build-package && cpack -G DEB)
  ls -l build-package/*.deb
  exit 0
fi

# The suite runs twice: as built for release, and again with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any report fails the run.
export QT_QPA_PLATFORM=offscreen
build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORN_BUILD_TESTS=ON -DVORN_BUILD_BENCH=ON
ctest --test-dir build --output-on-failure --parallel "$jobs"

# vorn-replay's fuzz target, built with clang's libFuzzer and both sanitizers, runs for a
# bounded time (VORN_FUZZ_SECONDS in the environment, 60 by default); a crash, a sanitizer
# report, a broken trace or an input that takes over 2 s fails the run, and leaves the
# input in build-fuzz/tests/fuzz/artifacts/.
build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVORN_BUILD_GUI=OFF -DVORN_BUILD_TESTS=OFF -DVORN_FUZZ=ON \
  -DVORN_FUZZ_SECONDS="${VORN_FUZZ_SECONDS:-60}"
ctest --test-dir build-fuzz --output-on-failure --verbose

build build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORN_BUILD_TESTS=ON -DVORN_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs"
