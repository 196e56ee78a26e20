#!/usr/bin/env bash
# The Debian package made by "cpack -G DEB": named by version and architecture, its
# library dependencies found, its files in place, and lintian without errors or warnings.
set -euo pipefail
export LC_ALL=C.UTF-8
build=${1:?the build folder}
version=${2:?the version}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || {
    cat "$out/cpack.log"
    exit 1
}
deb=$out/vantor-calculator_${version}_$(dpkg --print-architecture).deb
[[ -s $deb ]] || fail "cpack made no $(basename "$deb")"
depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
dpkg-deb --contents "$deb" | grep -q ' ./usr/share/mime/packages/vantor-calculator.xml$' ||
    fail "the package lacks its MIME package"

# Fonts embedded from Debian's packages are declared as CPack was told.
built_using=$(sed -n 's/^set(CPACK_VANTOR_BUILT_USING "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
found=$(dpkg-deb --field "$deb" Built-Using)
[[ $found == "$built_using" ]] || fail "Built-Using is '$found', not '$built_using'"

if ! lintian --fail-on error,warning "$deb" >"$out/lintian" 2>&1; then
    fail "lintian: $(grep -v 'running with root privileges' "$out/lintian")"
fi
((failures == 0)) || exit 1
echo "ok: $(basename "$deb") passes lintian"
