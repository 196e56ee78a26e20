# Installs the build folder $1 into a scratch DESTDIR under the prefix /usr, as a package
# would; sourced by the install tests, which read the tree at $usr.
set -euo pipefail
export LC_ALL=C.UTF-8

build=${1:?the build folder}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
finish() {
    ((failures == 0)) || exit 1
    echo "ok: $1"
}
