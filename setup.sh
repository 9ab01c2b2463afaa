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
#   ./setup.sh windows  install what is missing, cross-build the Windows program with
#                       mingw-w64 in build-windows/ and make its zip there
# The test command also cross-builds the Windows program and runs its suite under Wine.
# Run as root, or as a user who may use sudo (only apt-get needs it).
set -eu

cd "$(dirname "$0")"
mode=${1:-}
case "$mode" in
  run|test|package|windows) ;;
  *) echo "usage: $0 run|test|package|windows" >&2; exit 2 ;;
esac

# Building needs these; each mode adds its own.
packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev"
# The Windows program: the cross compiler, icotool for its icon, and for its tests Wine,
# GoogleTest's sources (in googletest) and a virtual X server for the real window.
windows_packages="g++-mingw-w64-x86-64-posix icoutils"
windows_test_packages="$windows_packages wine64 googletest xvfb xauth"
case "$mode" in
  run) packages="$packages qt6-wayland" ;;
  # The suite's libraries, the validators of the desktop entry and metainfo, the man-page
  # linter, what building a Debian package needs (dpkg-shlibdeps, file), and libFuzzer for
  # clang 14, Debian 12's default clang (libclang-rt-14-dev).
  test) packages="$packages libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils appstream
    mandoc dpkg-dev file clang libclang-rt-14-dev $windows_test_packages" ;;
  package) packages="$packages dpkg-dev file" ;;
  windows) packages="cmake ninja-build $windows_packages" ;;
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

# The Windows program, cross-built; with the tests, run under Wine.
windows_build() {  # windows_build ON|OFF (the tests)
  build build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DVORN_BUILD_GUI=OFF -DVORN_BUILD_WIN32=ON -DVORN_BUILD_TESTS="$1"
}

if [ "$mode" = windows ]; then
  windows_build OFF
  (cd build-windows && cpack -G ZIP)
  ls -l build-windows/vorn.exe build-windows/vorn-replay.exe build-windows/vorn-*-windows-x86_64.zip
  exit 0
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

# The Windows program's suite, under Wine: the game's tests, every recorded game replayed by
# vorn-replay.exe, and the real window of vorn.exe on a virtual X server.
windows_build ON
ctest --test-dir build-windows --output-on-failure --parallel "$jobs"
