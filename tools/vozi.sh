#!/bin/sh
# Sets up a Debian 12 machine for vozi, builds it, and plays or tests it.
#   tools/vozi.sh play   install what is missing, build, start the game
#   tools/vozi.sh test   install what is missing, build, run every test
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"

# Everything the build, the game and its tests need, from Debian's archive.
packages="cmake ninja-build g++ pkg-config
  qt6-base-dev libxcb1-dev libsdl2-mixer-dev libsodium-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei"
test_packages="xvfb xauth"

install_missing() {
  missing=""
  for package in $packages "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || missing="$missing $package"
  done
  [ -z "$missing" ] && return 0
  echo "vozi: installing$missing"
  as_root=""
  [ "$(id -u)" -eq 0 ] || as_root="sudo"
  $as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
  # shellcheck disable=SC2086
  $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing
}

build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$(nproc)"
}

case "${1:-}" in
  play)
    install_missing
    build release
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      echo "vozi: no graphical desktop here (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
      echo "vozi: start it from a desktop session, or try it headless with: xvfb-run -a build/release/bin/vozi" >&2
      exit 1
    fi
    exec build/release/bin/vozi
    ;;
  test)
    install_missing $test_packages
    build dev
    ctest --preset dev
    # The core again under the address and undefined-behaviour sanitizers.
    build asan
    ctest --preset asan
    ;;
  *)
    echo "usage: tools/vozi.sh play | test" >&2
    exit 2
    ;;
esac
