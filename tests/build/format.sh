#!/usr/bin/env bash
# Checks that every C++ source of the tree is laid out as .clang-format says: lists each file
# that clang-format would change, with the first lines of the change.
# Prints PASS or FAIL and "N passed, N failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

unformatted=()
while IFS= read -r file; do
  clang-format --style=file "$file" | cmp -s - "$file" || unformatted+=("$file")
done < <(git ls-files '*.cpp' '*.h' '*.c')

if [ ${#unformatted[@]} -eq 0 ]; then
  echo "PASS sources are formatted ($(git ls-files '*.cpp' '*.h' '*.c' | wc -l) files)"
  echo "1 passed, 0 failed"
else
  echo "FAIL sources are formatted: clang-format would change ${#unformatted[@]} files"
  for file in "${unformatted[@]}"; do
    echo "    $file"
    clang-format --style=file "$file" | diff "$file" - | head -n 6 | sed 's/^/      /'
  done
  echo "0 passed, 1 failed"
  exit 1
fi
