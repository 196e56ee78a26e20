#!/usr/bin/env bash
# Installs the Debian package into a fresh Debian 12 root, as a user's apt-get would, starts
# vcalc and the desktop program there, and removes the package again. Run as root, by hand:
# debootstrap needs the network and takes minutes, too long for every test run.
#   bash scripts/fresh-root-install.sh [PACKAGE.deb]    (default: the one cpack made in build/)
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "${1:-$(ls build/vantor-calculator_*.deb | tail -n 1)}")
package=vantor-calculator
export LC_ALL=C.UTF-8 DEBIAN_FRONTEND=noninteractive

if ! command -v debootstrap >/dev/null; then
    apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
fi
root=$(mktemp -d /var/tmp/fresh-root.XXXXXX)
chmod 755 "$root" # apt's own user downloads into it
cleanup() {
    umount "$root/dev/pts" "$root/proc" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
in_root() { chroot "$root" "$@"; }
step() { echo "== $* (${SECONDS} s)"; }
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

step "debootstrap of a minimal Debian 12"
debootstrap --variant=minbase bookworm "$root" >"$root.log" 2>&1 || {
    tail -n 20 "$root.log"
    fail "debootstrap"
}
rm -f "$root.log"
mount -t proc proc "$root/proc"
mount -t devpts devpts "$root/dev/pts"
cp "$deb" "$root/tmp/"
apt_in_root() {
    in_root apt-get "$@" >"$root/tmp/apt.log" 2>&1 || {
        cat "$root/tmp/apt.log"
        fail "apt-get $*"
    }
}
apt_in_root update
# What a desktop has and whose triggers bring the caches up to date.
apt_in_root install -y --no-install-recommends \
    shared-mime-info desktop-file-utils hicolor-icon-theme gtk-update-icon-cache

step "apt-get install ./$(basename "$deb")"
apt_in_root install -y --no-install-recommends "/tmp/$(basename "$deb")"
grep -E "^([0-9]+ upgraded|Setting up vantor|Processing triggers)" "$root/tmp/apt.log"

step "vcalc -e '1+1'"
result=$(in_root vcalc -e '1+1')
echo "$result"
[[ $result == "1+1=2" ]] || fail "vcalc answered '$result'"

step "vantor-calculator, offscreen, for 5 seconds"
in_root ldd /usr/bin/vantor-calculator | grep 'not found' && fail "libraries are missing"
status=0
in_root env QT_QPA_PLATFORM=offscreen QT_DEBUG_PLUGINS=1 HOME=/root XDG_RUNTIME_DIR=/tmp \
    timeout 5 vantor-calculator >"$root/tmp/gui.log" 2>&1 || status=$?
((status == 124)) || {
    cat "$root/tmp/gui.log"
    fail "vantor-calculator ended with status $status before it was stopped"
}
grep -q 'libqsvgicon.so" loaded library' "$root/tmp/gui.log" || fail "the SVG icon engine was not loaded"
echo "ran until stopped; SVG icon engine loaded"

step "the desktop's caches know the program"
in_root test -s /usr/share/mime/application/x-vantor-calculation.xml || fail "no MIME type in the cache"
in_root grep -q 'application/x-vantor-memory=vantor-calculator.desktop' /usr/share/applications/mimeinfo.cache ||
    fail "the desktop's cache does not open memory files with the program"
in_root grep -qa 'vantor-calculator' /usr/share/icons/hicolor/icon-theme.cache || fail "the icon cache lacks the icons"
[[ -d $root/root/.local/share/applications ]] && fail "the installed program registered itself for the user"
echo "MIME, menu and icon caches updated; nothing written for the user"

step "apt-get purge $package"
files=$(in_root dpkg-query -L "$package")
apt_in_root purge -y "$package"
in_root dpkg-query -W "$package" 2>/dev/null | grep -q . && fail "the package is still known to dpkg"
left=0
while read -r file; do
    [[ -f $root$file ]] && echo "left behind: $file" && left=1
done <<<"$files"
((left == 0)) || fail "files were left behind"
in_root test -e /usr/share/mime/application/x-vantor-calculation.xml && fail "the MIME cache still has the type"
echo "removed cleanly"
step "done"
