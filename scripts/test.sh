#!/usr/bin/env bash
# Installs, builds and runs the whole test suite: the format check, the
# normal build, clang-tidy over its sources, every CTest label (unit,
# integration, gui, windows), the address + undefined-behaviour sanitizer build, the thread sanitizer build
# of the programs that run threads against each other, and the fuzz targets
# over their corpora. Every build treats warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export GRAVELO_WERROR=ON

bash scripts/check-format.sh

bash scripts/build.sh build -DGRAVELO_BUILD_TESTS=ON -DGRAVELO_BUILD_BENCH=ON
bash scripts/tidy.sh build
(cd build && ctest --output-on-failure -j2)

# The Windows part ran above; the sanitizers instrument the Linux code only.
bash scripts/build.sh build-asan -DGRAVELO_SANITIZE=address -DGRAVELO_BUILD_TESTS=ON -DGRAVELO_BUILD_BENCH=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j2 -LE windows)

threaded_tests=(dsp_concurrency_tests spectral_tables_once_tests)
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRAVELO_SANITIZE=thread -DGRAVELO_WERROR=ON \
    -DGRAVELO_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j2 --target "${threaded_tests[@]}"
(cd build-tsan && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure \
    -R "^($(IFS='|'; echo "${threaded_tests[*]}"))\$")

# The fuzz targets once over their committed corpora (clang, libFuzzer,
# address + undefined behaviour).
bash scripts/fuzz.sh --corpus-only
