#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (AddressSanitizer + UndefinedBehaviorSanitizer)
# and runs each for a bounded number of inputs over its seed corpus in fuzz/corpus/<name>/.
# New inputs go to a scratch copy, never into the repository.
#   fuzz/run.sh [runs per harness] [output folder]
# Exit status: non-zero when a harness fails to build or finds a crash (the input is kept
# in the output folder as crash-*).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-20000}
out=${2:-$root/build/fuzz}
cxx=${FUZZ_CXX:-clang++-14}
seed=${FUZZ_SEED:-1}   # fixed, so a CI run is reproducible

flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
       -fno-omit-frame-pointer -I"$root")

# name: harness source and the library sources it needs
declare -A sources=(
  [xml]="fuzz/XmlParserFuzz.cpp services/xml/XMLParser.cpp services/xml/XMLNode.cpp platform/core/Text.cpp platform/core/Fatal.cpp"
  [base64]="fuzz/Base64Fuzz.cpp platform/core/Text.cpp"
  [filecrypt]="fuzz/FileCryptFuzz.cpp engine/crypt/FileCrypt.cpp"
  [textdecode]="fuzz/TextDecodeFuzz.cpp platform/files/TextFile.cpp platform/files/FileIO.cpp platform/files/DataPath.cpp platform/core/Text.cpp"
)
names=(xml base64 filecrypt textdecode)

mkdir -p "$out"
pids=()
for name in "${names[@]}"; do
  read -r -a files <<< "${sources[$name]}"
  (cd "$root" && "$cxx" "${flags[@]}" "${files[@]}" -o "$out/fuzz_$name") &
  pids+=($!)
done
for pid in "${pids[@]}"; do wait "$pid"; done

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
for name in "${names[@]}"; do
  work="$out/corpus_$name"
  rm -rf "$work" && mkdir -p "$work"
  # Standard output carries the decoders' own messages; libFuzzer reports on standard error.
  if "$out/fuzz_$name" -runs="$runs" -seed="$seed" -max_len=4096 -timeout=10 -max_total_time=30 \
       -artifact_prefix="$out/$name-" "$work" "$root/fuzz/corpus/$name" \
       > /dev/null 2> "$out/$name.log"; then
    echo "fuzz $name: ok, $(grep -o 'Done [0-9]* runs' "$out/$name.log" | tail -1)"
  else
    echo "fuzz $name: FAILED (see $out/$name.log)"
    tail -40 "$out/$name.log"
    status=1
  fi
done
exit $status
