#!/usr/bin/env bash
# Checks the committed tree: every C++ file formatted by .clang-format, and no text that
# points at the design documents' structure instead of saying what the code does.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0

unformatted=$(git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run 2>&1 | grep -o '^[^:]*:' | sort -u || true)
if [[ -n "$unformatted" ]]; then
    echo "check-tree: not formatted by .clang-format (run: git ls-files '*.cpp' '*.h' | xargs clang-format -i):"
    echo "$unformatted"
    status=1
fi

# Capitalised "Part" and "Row N" name sections and table rows; the rest in any case
# (written with [p] so that this file does not name what it looks for).
exact='\bParts? [1-9]\.[0-9]+\b|\b(Every|The|Each|This|That|every|the|each|this|that) Parts?\b|\bRows? [0-9]+\b'
anycase='\bsubsystems?\b|\border of building\b|\bs[p]ec(ification)?\b|s[p]ec\.md'
excluded=(':!tests/data' ':!*.csv' ':!scripts/check-tree.sh' ':!ui/resources/fonts')
hits=$( (git grep -n -I -E "$exact" -- "${excluded[@]}"; git grep -n -I -i -E "$anycase" -- "${excluded[@]}") || true)
names=$(git ls-files | grep -i -E '(^|/)s[p]ec|part[-_ ]?[1-9]' || true)
if [[ -n "$hits$names" ]]; then
    echo "check-tree: say what the code does instead of naming the design documents' structure:"
    [[ -n "$hits" ]] && echo "$hits"
    [[ -n "$names" ]] && echo "$names"
    status=1
fi
exit $status
