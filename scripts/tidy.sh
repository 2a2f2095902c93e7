#!/usr/bin/env bash
# clang-tidy with the project's .clang-tidy over the plug-in's and tools'
# own sources (tests, benchmarks and fuzz targets aside), on the compile
# commands of a configured build:  scripts/tidy.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/compile_commands.json" ] || { echo "tidy: no $build/compile_commands.json; configure first"; exit 1; }
# The sources the build compiles, less the tests' own.
mapfile -t sources < <(python3 - "$build/compile_commands.json" <<'PY'
import json, os, sys
root = os.getcwd() + os.sep
for entry in json.load(open(sys.argv[1])):
    path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
    relative = path[len(root):] if path.startswith(root) else None
    if relative and relative.endswith(".cpp") and not relative.startswith(("tests/", "bench/", "fuzz/")):
        print(relative)
PY
)
if run-clang-tidy -p "$build" -j 2 -quiet "${sources[@]}" >"$build/tidy.log" 2>&1; then
    echo "tidy: ${#sources[@]} files pass .clang-tidy"
else
    grep -E "(warning|error):" "$build/tidy.log" | sort -u | head -n 40
    echo "tidy: FAILED"; exit 1
fi
