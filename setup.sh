#!/bin/sh
# Sets up a Debian 12 machine for Vorn and builds it, then plays or tests.
#   ./setup.sh run    install what is missing, build, start the game
#   ./setup.sh test   install what is missing, build, run the whole test suite
# Run as root, or as a user who may use sudo (only apt-get needs it).
set -eu

cd "$(dirname "$0")"
mode=${1:-}
case "$mode" in
  run|test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev"
[ "$mode" = run ] && packages="$packages qt6-wayland"

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
  build build -DCMAKE_BUILD_TYPE=Release -DVORN_BUILD_TESTS=OFF
  exec ./build/vorn
fi

build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORN_BUILD_TESTS=ON -DVORN_BUILD_BENCH=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --parallel "$jobs"
