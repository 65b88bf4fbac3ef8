#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine (run as root or with sudo):
#   ./build.sh play   install what is missing, build, start the game
#   ./build.sh test   install what is missing, build, run every test (exit code = result)
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-play}
jobs=$(nproc)

packages=(
  build-essential cmake ninja-build pkg-config git
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

configure() {  # configure <dir> [cmake options...]
  local dir=$1; shift
  # A tree first made with another generator starts over (its objects are rebuilt anyway).
  if [ -f "$dir/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$dir/CMakeCache.txt"; then
    rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
  fi
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
}

# -noreset: the test display would otherwise reset whenever its last client leaves,
# and a window opened during the reset fails, making a test skip by chance.
display=(xvfb-run -a -s "-screen 0 1920x1080x24 -noreset")

run_tests() {  # run_tests <tree> <timeout>: ctest on a display of its own
  "${display[@]}" ctest --test-dir "$1" -j "$jobs" --output-on-failure --timeout "$2" \
    --output-junit "$PWD/$1/ctest-junit.xml"
}

case "$mode" in
  play)
    install_missing
    configure build
    # The game and its data only: the test command builds the tests and benchmarks.
    cmake --build build -j "$jobs" --target zelka
    exec ./build/zelka
    ;;
  test)
    install_missing
    export ALSOFT_DRIVERS=null
    # The unit tests run again under AddressSanitizer and UndefinedBehaviorSanitizer,
    # on the data set the plain build generates.
    configure build
    configure build-asan -DZELKA_SANITIZE=ON -DZELKA_BENCH=OFF -DZELKA_UNITY_TESTS=ON \
      -DZELKA_EXTERNAL_DATA="$PWD/build/data"
    cmake --build build -j "$jobs"
    # While the sanitizer tree compiles, the plain tests and the fuzz harnesses run beside
    # it: each leaves cores idle on its own (the tests wait on windows and game processes,
    # the harnesses are single-threaded), and none depends on winning the CPU. Their
    # output is shown once each has ended.
    status=0
    # Results of an earlier run must never be read as this one's.
    rm -f build/ctest-junit.xml build-asan/ctest-junit.xml
    run_tests build 300 > build/ctest.log 2>&1 &
    plain_tests=$!
    # Bounded fuzz runs of the parsers that read files from disk.
    fuzz/run.sh 20000 build/fuzz > build/fuzz.log 2>&1 &
    fuzz=$!
    asan_built=1
    cmake --build build-asan -j "$jobs" || { asan_built=0; status=1; }
    wait "$plain_tests" || status=1
    cat build/ctest.log
    # A failing plain test does not hold back the sanitizer tests: both trees report.
    if [ "$asan_built" -eq 1 ]; then
      run_tests build-asan 600 || status=1
    fi
    wait "$fuzz" || fuzz_status=1
    # A test that skips (no display, window or audio device) proves nothing: CI fails.
    for tree in build build-asan; do
      if [ ! -f "$tree/ctest-junit.xml" ]; then
        if [ "$tree" = build-asan ] && [ "$asan_built" -eq 0 ]; then
          echo "$tree: tests not run, the build failed"
        else
          echo "$tree: ctest wrote no results"
        fi
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
    cat build/fuzz.log
    [ "${fuzz_status:-0}" -eq 0 ] || status=1
    exit $status
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
