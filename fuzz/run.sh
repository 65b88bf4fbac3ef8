#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (AddressSanitizer + UndefinedBehaviorSanitizer)
# and runs each for a bounded number of inputs over its seed corpus in fuzz/corpus/<name>/.
# New inputs go to a scratch copy, never into the repository.
#   fuzz/run.sh [runs per harness] [output folder] [harness names...]
# Exit status: non-zero when a harness fails to build or finds a crash (the input is kept
# in the output folder as <name>-crash-*).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-20000}
out=${2:-$root/build/fuzz}
mkdir -p "$out" && out=$(cd "$out" && pwd)   # the harnesses may change their working folder
shift $(( $# < 2 ? $# : 2 ))
cxx=${FUZZ_CXX:-clang++-14}
seed=${FUZZ_SEED:-1}   # fixed, so a CI run is reproducible
jobs=${FUZZ_JOBS:-$(nproc)}

flags=(-std=c++20 -O1 -gline-tables-only -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
       -fno-omit-frame-pointer -I"$root" -I/usr/include/stb $(pkg-config --cflags glfw3 sdl2 openal x11) -w)
libs=(-fsanitize=fuzzer,address,undefined $(pkg-config --libs glfw3 sdl2 openal x11) -lGL -ldl -lpthread)

# name: harness source and the library sources it needs; "@folder" stands for every game
# source below that folder (the executable's main/ left out).
declare -A sources=(
  [xml]="fuzz/XmlParserFuzz.cpp services/xml/XMLParser.cpp services/xml/XMLNode.cpp platform/core/Text.cpp platform/core/Fatal.cpp"
  [base64]="fuzz/Base64Fuzz.cpp platform/core/Text.cpp"
  [filecrypt]="fuzz/FileCryptFuzz.cpp engine/crypt/FileCrypt.cpp"
  [textdecode]="fuzz/TextDecodeFuzz.cpp platform/files/TextFile.cpp platform/files/FileIO.cpp platform/files/DataPath.cpp platform/core/Text.cpp"
  [wav]="fuzz/WavDecoderFuzz.cpp platform/audio/WavDecoder.cpp"
  [ogg]="fuzz/OggDecoderFuzz.cpp platform/audio/OggDecoder.cpp platform/audio/StbVorbis.cpp"
  [image]="fuzz/ImageDecodeFuzz.cpp @platform engine/crypt/FileCrypt.cpp"
  [font]="fuzz/FontParserFuzz.cpp @platform @engine"
  [savefiles]="fuzz/SaveFilesFuzz.cpp @platform @engine @services"
)
all=(xml base64 filecrypt textdecode wav ogg image font savefiles)
if [ $# -gt 0 ]; then names=("$@"); else names=("${all[@]}"); fi

expand() {  # the harness's source list, folders expanded
  local item
  # The sanitizer settings and system-library suppressions every test program has.
  echo tests/support/LeakSuppressions.cpp
  for item in ${sources[$1]}; do
    if [[ $item == @* ]]; then
      (cd "$root" && find "${item#@}" -name '*.cpp' -not -path '*/main/*' | sort)
    else
      echo "$item"
    fi
  done
}

# Every source is compiled once, whatever the number of harnesses that need it.
mkdir -p "$out/obj"
for name in "${names[@]}"; do expand "$name"; done | sort -u > "$out/sources.txt"
export root out cxx
export flags_text="${flags[*]}"
compile() {
  local object="$out/obj/${1%.cpp}.o" extra="" dep
  # stb_image copies zero bytes from a null buffer on empty PNG chunks: harmless, but
  # undefined to the letter, and not ours to change.
  [ "$1" = platform/graphics/StbImage.cpp ] && extra=-fno-sanitize=nonnull-attribute
  # stb_vorbis casts an out-of-range float to int while sizing a damaged codebook; the
  # game's compiler does not check such casts and the result is range-checked after.
  [ "$1" = platform/audio/StbVorbis.cpp ] && extra=-fno-sanitize=float-cast-overflow
  mkdir -p "$(dirname "$object")"
  if [ -f "$object" ] && [ -f "$object.d" ]; then   # up to date unless a file it read changed
    local stale=""
    for dep in $(sed -e 's/^[^:]*://' -e 's/\\$//' "$object.d"); do
      [ "$dep" -nt "$object" ] && { stale=1; break; }
    done
    [ -z "$stale" ] && return 0
  fi
  # shellcheck disable=SC2086
  (cd "$root" && "$cxx" $flags_text $extra -MMD -MF "$object.d" -c "$1" -o "$object.tmp") &&
    mv "$object.tmp" "$object"
}
export -f compile
xargs -P "$jobs" -I{} bash -c 'compile "$@"' _ {} < "$out/sources.txt"

# stb_vorbis asks malloc for sizes wrapped below zero on some damaged headers and handles
# the null it then gets, as the game's own build does.
declare -A asan_extra=([ogg]=":allocator_may_return_null=1")
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export ALSOFT_DRIVERS=null
# Each harness is linked and run on its own core, all at once: every run is single-threaded.
fuzz_one() {  # fuzz_one <name>: its verdict line in $out/<name>.result, exit status = result
  local name=$1 source objects=() work="$out/corpus_$name"
  while read -r source; do objects+=("$out/obj/${source%.cpp}.o"); done < <(expand "$name")
  if ! "$cxx" "${objects[@]}" "${libs[@]}" -o "$out/fuzz_$name" 2> "$out/$name.log"; then
    echo "fuzz $name: FAILED to link (see $out/$name.log)" > "$out/$name.result"
    return 1
  fi
  rm -rf "$work" && mkdir -p "$work"
  # Standard output carries the decoders' own messages; libFuzzer reports on standard error.
  # The count of inputs bounds a run, whatever the machine's load; the time limit only
  # stops one that has gone badly wrong.
  if ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}${asan_extra[$name]:-} "$out/fuzz_$name" -runs="$runs" -seed="$seed" -max_len=4096 -timeout=10 -max_total_time=900 \
       -artifact_prefix="$out/$name-" "$work" "$root/fuzz/corpus/$name" \
       > /dev/null 2> "$out/$name.log"; then
    local done_line
    done_line=$(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$out/$name.log" | tail -1)
    if [ "$done_line" = "${done_line#Done $runs runs}" ]; then
      echo "fuzz $name: FAILED, stopped at the time limit: ${done_line:-no runs}" > "$out/$name.result"
      return 1
    fi
    echo "fuzz $name: ok, $done_line" > "$out/$name.result"
  else
    echo "fuzz $name: FAILED (see $out/$name.log)" > "$out/$name.result"
    return 1
  fi
}
for name in "${names[@]}"; do rm -f "$out/$name.result"; done
running=0
for name in "${names[@]}"; do
  if [ "$running" -ge "$jobs" ]; then wait -n || true; running=$((running - 1)); fi
  fuzz_one "$name" &
  running=$((running + 1))
done
wait
status=0
for name in "${names[@]}"; do
  cat "$out/$name.result" 2>/dev/null || echo "fuzz $name: no result"
  if ! grep -q ': ok,' "$out/$name.result" 2>/dev/null; then
    tail -40 "$out/$name.log"
    status=1
  fi
done
exit $status
