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
#   ./setup.sh web      install what is missing (emscripten, Chromium for the tests, the
#                       Node packages of package-lock.json), build the site into
#                       build-web/site/ and serve it on http://127.0.0.1:8000/ until stopped;
#                       with --no-serve, only build it
# The test mode ends with the suites of the Windows program, under Wine, and of the browser
# version: the golden games under Node and the page in Chromium.
# Run as root, or as a user who may use sudo (only apt-get needs it).
set -eu

cd "$(dirname "$0")"
mode=${1:-}
serve=yes
case "$mode" in
  run|test|package|windows)
    [ $# -le 1 ] || { echo "usage: $0 run|test|package|windows|web [--no-serve]" >&2; exit 2; } ;;
  web)
    case "${2:-}" in
      "") ;;
      --no-serve) serve=no ;;
      *) echo "$0 web: unknown option \"$2\"; usage: $0 web [--no-serve]" >&2; exit 2 ;;
    esac ;;
  *) echo "usage: $0 run|test|package|windows|web [--no-serve]" >&2; exit 2 ;;
esac

# Building needs these; each mode adds its own.
packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev"
# The Windows program: the cross compiler, icotool for its icon, and for its tests Wine,
# GoogleTest's sources (in googletest) and a virtual X server for the real window.
windows_packages="g++-mingw-w64-x86-64-posix icoutils"
windows_test_packages="$windows_packages wine64 googletest xvfb xauth"
# The browser build: emscripten for the game in WebAssembly, Node and npm for TypeScript and
# the tests (a Node already on the machine is used as it is), Chromium for the tests.
web_packages="emscripten chromium"
command -v node >/dev/null 2>&1 || web_packages="$web_packages nodejs"
command -v npm >/dev/null 2>&1 || web_packages="$web_packages npm"
case "$mode" in
  run) packages="$packages qt6-wayland" ;;
  # The suite's libraries, the validators of the desktop entry and metainfo, the man-page
  # linter, what building a Debian package needs (dpkg-shlibdeps, file), the package linter,
  # and libFuzzer for clang 14, Debian 12's default clang (libclang-rt-14-dev).
  test) packages="$packages libgtest-dev libgmock-dev desktop-file-utils appstream
    mandoc dpkg-dev file lintian clang libclang-rt-14-dev $windows_test_packages $web_packages" ;;
  package) packages="$packages dpkg-dev file" ;;
  windows) packages="cmake ninja-build $windows_packages" ;;
  web) packages="cmake ninja-build $web_packages" ;;
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

# The site and vorn-replay.js, built by emscripten (the build finds the Debian Node modules
# its JavaScript tools need itself). The Node packages are exactly those of
# package-lock.json, installed again only when it has changed since they were.
build_web() {
  installed=node_modules/.vorn-package-lock.json
  if ! cmp -s package-lock.json "$installed"; then
    npm ci --no-audit --no-fund --loglevel=error
    cp package-lock.json "$installed"
  fi
  emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVORN_BUILD_GUI=OFF -DVORN_BUILD_TESTS=OFF -DVORN_BUILD_WEB=ON -DVORN_WERROR=ON >/dev/null
  cmake --build build-web --parallel "$jobs"
}

if [ "$mode" = web ]; then
  build_web
  [ "$serve" = yes ] || exit 0
  exec node build-web/node/tools/web/serve.js build-web/site 8000
fi

if [ "$mode" = run ]; then
  build build-release -DCMAKE_BUILD_TYPE=Release -DVORN_BUILD_TESTS=OFF
  exec ./build-release/vorn
fi

# The Windows program, cross-built; with the tests, run under Wine.
windows_build() {  # windows_build ON|OFF (the tests) [cmake options...]
  tests=$1; shift
  build build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DVORN_BUILD_GUI=OFF -DVORN_BUILD_WIN32=ON \
    -DVORN_BUILD_TESTS="$tests" "$@"
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
# UndefinedBehaviorSanitizer, where any report fails the run. Every build of the suite treats
# a compiler warning as an error. Its debugging information is line tables only, which is all
# a failure's stack trace needs and takes far less time to build; the sanitizer build is
# optimised lightly, as sanitizers are usually run, for the same reason.
export QT_QPA_PLATFORM=offscreen
build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
  -DVORN_BUILD_TESTS=ON -DVORN_WERROR=ON
ctest --test-dir build --output-on-failure --parallel "$jobs"

# vorn-replay's fuzz target, built with clang's libFuzzer and both sanitizers, runs for a
# bounded time (VORN_FUZZ_SECONDS in the environment, 60 by default); a crash, a sanitizer
# report, a broken trace or an input that takes over 2 s fails the run, and leaves the
# input in build-fuzz/tests/fuzz/artifacts/. It keeps one core busy for that time, so the
# sanitizer build begins on the other one meanwhile, at a lower priority.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVORN_BUILD_GUI=OFF -DVORN_BUILD_TESTS=OFF -DVORN_FUZZ=ON -DVORN_WERROR=ON \
  -DVORN_FUZZ_SECONDS="${VORN_FUZZ_SECONDS:-60}" >/dev/null
cmake --build build-fuzz --parallel "$jobs" --target vorn_replay_fuzz
ctest --test-dir build-fuzz --output-on-failure --verbose >build-fuzz/fuzz.log 2>&1 &
fuzzing=$!
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DVORN_BUILD_TESTS=ON -DVORN_SANITIZE=ON \
  -DVORN_WERROR=ON >/dev/null
# Ninja itself, so that stopping it stops its compilers too; it goes on from there below.
nice ninja -C build-sanitize -j 1 >build-sanitize/early.log 2>&1 &
early=$!
fuzz_status=0
wait $fuzzing || fuzz_status=$?
kill -TERM $early 2>/dev/null || true
wait $early 2>/dev/null || true
cat build-fuzz/fuzz.log
[ "$fuzz_status" -eq 0 ] || exit "$fuzz_status"

cmake --build build-sanitize --parallel "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs"

# The Windows program's suite, under Wine: the game's tests, every recorded game replayed by
# vorn-replay.exe, and the real window of vorn.exe on a virtual X server.
windows_build ON -DVORN_WERROR=ON
ctest --test-dir build-windows --output-on-failure --parallel "$jobs"

# The browser build: the golden games replayed by vorn-replay.js under Node, and the page
# played in Chromium.
build_web
ctest --test-dir build-web --output-on-failure --parallel "$jobs"
