#!/usr/bin/env bash
# Counts non-blank lines of C++, CMake, shell and Python that git tracks and
# prints how much of the code is test code. Test code: tests/, bench/ and the
# scripts whose only job is to check or measure the program.
set -euo pipefail
cd "$(dirname "$0")/.."

is_test='^(tests|bench)/|^scripts/(record|bench|measure|test-share)'
count() { if [ $# -gt 0 ]; then cat -- "$@" | grep -cv '^[[:space:]]*$' || true; else echo 0; fi; }

mapfile -t code < <(git ls-files -- '*.cpp' '*.h' '*.hpp' '*.cmake' '*CMakeLists.txt' '*.sh' '*.py' '.ci/run')
mapfile -t tests < <(printf '%s\n' "${code[@]}" | grep -E "$is_test" || true)
mapfile -t product < <(printf '%s\n' "${code[@]}" | grep -vE "$is_test" || true)

t=$(count "${tests[@]}")
p=$(count "${product[@]}")
printf 'test code:    %6d lines\nproduct code: %6d lines\ntest share:   %6s %%\n' \
  "$t" "$p" "$(awk -v t="$t" -v p="$p" 'BEGIN { printf "%.1f", 100 * t / (t + p) }')"
