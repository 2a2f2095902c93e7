#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from .clang-format.
#   scripts/check-format.sh        list the differences and exit non-zero
# `clang-format -i FILE` applies the style to a file.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z -- '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run --Werror
echo "format: every C++ file follows .clang-format"
