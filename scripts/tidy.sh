#!/usr/bin/env bash
# clang-tidy with the project's .clang-tidy over the plug-in's and tools'
# own code (tests, benchmarks and fuzz targets aside):  scripts/tidy.sh [BUILD_DIR]
#   - the sources of a configured build, on its compile commands;
#   - the sources only Windows compiles, on those of a mingw-w64 cross build
#     configured inside BUILD_DIR (clang on the mingw target);
#   - every product header: through the sources that include it, filtered
#     by HeaderFilterRegex, or, if none does, as a translation unit of its own.
# Fails when a product header lies outside HeaderFilterRegex.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/compile_commands.json" ] || { echo "tidy: no $build/compile_commands.json; configure first"; exit 1; }
windows=$build/tidy-windows
cmake -S . -B "$windows" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >"$build/tidy-windows.log" 2>&1 ||
    { cat "$build/tidy-windows.log"; echo "tidy: cannot configure the cross build; is mingw-w64 installed?"; exit 1; }
plan=$build/tidy-plan
headers=$(python3 scripts/tidy-plan.py "$build" "$windows" "$plan")
mapfile -t sources <"$plan/sources.txt"
mapfile -t windows_sources <"$plan/windows.txt"
mapfile -t alone <"$plan/headers.txt"

log=$build/tidy.log
: >"$log"
failed=0
# (run-clang-tidy given no file takes every one in the database.)
if [ ${#sources[@]} -gt 0 ]; then
    run-clang-tidy -p "$build" -j 2 -quiet "${sources[@]}" >>"$log" 2>&1 || failed=1
fi
if [ ${#windows_sources[@]} -gt 0 ]; then
    run-clang-tidy -p "$plan/windows" -j 2 -quiet "${windows_sources[@]}" >>"$log" 2>&1 || failed=1
fi
# A header no source includes, with the command of its nearest source.
for header in "${alone[@]}"; do
    clang-tidy -p "$build" --quiet "$header" >>"$log" 2>&1 || failed=1
done
files=$((${#sources[@]} + ${#windows_sources[@]} + ${#alone[@]}))
if [ "$failed" = 0 ]; then
    echo "tidy: $files files and $headers of $headers headers pass .clang-tidy" \
        "(${#windows_sources[@]} sources on Windows, ${#alone[@]} headers on their own)"
else
    grep -E "(warning|error):" "$log" | sort -u | head -n 60
    echo "tidy: FAILED"; exit 1
fi
