#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine (run as root or with sudo):
#   ./build.sh play   install what is missing, build, start the game
#   ./build.sh test   install what is missing, build, run every test (exit code = result)
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-play}
jobs=$(nproc)

packages=(
  build-essential cmake pkg-config git
  libglfw3-dev libsdl2-dev libopenal-dev libgl-dev libx11-dev libstb-dev
  libvorbis-dev libespeak-ng-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth libgl1-mesa-dri libxtst-dev
  clang-14 libclang-rt-14-dev libfuzzer-14-dev
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {  # build <dir> [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
  cmake --build "$dir" -j "$jobs"
}

case "$mode" in
  play)
    install_missing
    build build
    exec ./build/zelka
    ;;
  test)
    install_missing
    build build
    # The unit tests run again under AddressSanitizer and UndefinedBehaviorSanitizer,
    # on the data set the plain build generated.
    build build-asan -DZELKA_SANITIZE=ON -DZELKA_BENCH=OFF -DZELKA_EXTERNAL_DATA="$PWD/build/data"
    export ALSOFT_DRIVERS=null
    # -noreset: the test display would otherwise reset whenever its last client leaves,
    # and a window opened during the reset fails, making a test skip by chance.
    display=(xvfb-run -a -s "-screen 0 1920x1080x24 -noreset")
    status=0
    "${display[@]}" ctest --test-dir build -j "$jobs" --output-on-failure --timeout 300 \
      --output-junit "$PWD/build/ctest-junit.xml" || status=1
    "${display[@]}" ctest --test-dir build-asan -j "$jobs" --output-on-failure --timeout 600 \
      --output-junit "$PWD/build-asan/ctest-junit.xml" || status=1
    # A test that skips (no display, window or audio device) proves nothing: CI fails.
    for tree in build build-asan; do
      if [ ! -f "$tree/ctest-junit.xml" ]; then
        echo "$tree: ctest wrote no results"
        status=1
        continue
      fi
      skipped=$(grep -c 'status="notrun"' "$tree/ctest-junit.xml" || true)
      if [ "$skipped" -ne 0 ]; then
        echo "$tree: $skipped test(s) skipped or not run:"
        grep -o '<testcase name="[^"]*"[^>]*status="notrun"' "$tree/ctest-junit.xml" | cut -d'"' -f2
        status=1
      fi
    done
    # Bounded fuzz runs of the parsers that read files from disk.
    fuzz/run.sh 20000 build/fuzz || status=1
    exit $status
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
