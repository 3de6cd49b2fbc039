#!/usr/bin/env bash
# Size of the test suite against the code it tests: non-blank lines of the C++ sources
# (*.cpp, *.h) of tests/ against armakon/ + tools/, and of qt/ and tools/armakon-gui/ with their
# tests once those folders exist. Exits 1 when the ratio leaves 0.20-0.40: a smaller suite
# stops catching faults, a larger one restates the code.
set -euo pipefail
cd "$(dirname "$0")/.."

lines() {  # non-blank lines of the C++ sources below the given folders (missing ones count 0)
  local folders=()
  for f in "$@"; do [ -d "$f" ] && folders+=("$f"); done
  [ ${#folders[@]} -eq 0 ] && { echo 0; return; }
  find "${folders[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 -r cat | grep -cv '^[[:space:]]*$' || true
}

# The Qt layer's tests live in tests/qt; those beside the desktop application count as tests too.
extra_tests=(tools/armakon-gui/tests)
tests=$(( $(lines tests) + $(lines "${extra_tests[@]}") ))
code=$(( $(lines armakon tools qt) - $(lines "${extra_tests[@]}") ))
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", (c > 0 ? t / c : 0) }')
echo "test lines $tests, code lines $code, ratio $ratio (allowed 0.20-0.40)"
awk -v r="$ratio" 'BEGIN { exit !(r >= 0.20 && r <= 0.40) }' || {
  echo "test-ratio: the test suite is out of proportion to the code" >&2
  exit 1
}
