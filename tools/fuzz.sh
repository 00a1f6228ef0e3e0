#!/usr/bin/env bash
# Builds the score reader's fuzz target with clang and libFuzzer and runs it for the given
# number of seconds (60 unless given). New inputs go to build-fuzz/corpus; the committed seed
# corpus in fuzz/corpus/score_reading is only read. A crash leaves its input in build-fuzz/.
# Installs what it needs beyond debian/control's list when missing: clang and its runtime
# libraries (libFuzzer).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh
seconds="${1:-60}"

# libFuzzer ships with clang's runtime libraries, in a package named after clang's version.
bash tools/install-deps.sh clang
version="$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n 1)"
bash tools/install-deps.sh "libclang-rt-${version}-dev"

echo "Building the score reader's fuzz target in build-fuzz/"
quietly build-fuzz/configure.log cmake --preset fuzz
quietly build-fuzz/build.log cmake --build --preset fuzz -j"$(nproc)"

echo "Fuzzing the score reader for $seconds s"
mkdir -p build-fuzz/corpus
cd build-fuzz
./fuzz/fuzz_score_reading -max_total_time="$seconds" -print_final_stats=1 \
    -dict=../fuzz/score_reading.dict \
    corpus ../fuzz/corpus/score_reading 2>&1 | grep -v '^#[0-9]*[[:space:]]*\(NEW\|REDUCE\|pulse\)'
