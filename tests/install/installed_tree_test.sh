#!/usr/bin/env bash
# The installed tree as a desktop reads it: every file in its freedesktop place, the
# desktop entry and the AppStream component passing their validators, and saved
# calculation and memory files recognised from the installed MIME package.
source "$(dirname "$0")/stage.sh"
source=${2:?the source folder}

icons=(apps/vantor-calculator mimetypes/application-x-vantor-calculation mimetypes/application-x-vantor-memory)
for file in bin/vantor-calculator bin/vcalc share/applications/vantor-calculator.desktop \
    share/mime/packages/vantor-calculator.xml share/metainfo/com.vantor.calculator.metainfo.xml \
    share/doc/vantor-calculator/README.md share/doc/vantor-calculator/copyright \
    share/doc/vantor-calculator/changelog.gz; do
    [[ -s $usr/$file ]] || fail "$file is not installed"
done
for icon in "${icons[@]}"; do
    [[ -s $usr/share/icons/hicolor/scalable/$icon.svg ]] || fail "$icon.svg is not installed"
    for size in 16 22 24 32 48 64 128 256; do
        file -b "$usr/share/icons/hicolor/${size}x$size/$icon.png" | grep -q "^PNG image data, $size x $size," ||
            fail "$icon at $size pixels is missing or of another size"
    done
done
for page in vcalc vantor-calculator; do
    gzip -t "$usr/share/man/man1/$page.1.gz" 2>/dev/null || fail "the manual page $page.1 is not installed"
done

entry=$usr/share/applications/vantor-calculator.desktop
validation=$(desktop-file-validate "$entry" 2>&1) || true
if grep -v ': hint: ' <<<"$validation" | grep -q .; then
    fail "desktop-file-validate: $validation"
fi
grep -qx 'Exec=vantor-calculator %F' "$entry" || fail "the installed entry does not start the program by name"
appstreamcli validate --no-net "$usr/share/metainfo/com.vantor.calculator.metainfo.xml" >"$stage/appstream" ||
    fail "appstreamcli: $(cat "$stage/appstream")"

# Files as the programs save them; a calculation file without its name is known by its mark.
work=$stage/files
mkdir -p "$work/data-home"
"$usr/bin/vcalc" -e '6*7->mem[answer]' --save-memory "$work/cells.vcm" >/dev/null
cp "$source/samples/welcome.vcl" "$work/welcome.vcl"
cp "$source/samples/welcome.vcl" "$work/welcome"
export XDG_DATA_DIRS=$usr/share:/usr/share XDG_DATA_HOME=$work/data-home
update-mime-database "$usr/share/mime" >/dev/null 2>&1
update-desktop-database "$usr/share/applications"
# X-Generic asks shared-mime-info through File::MimeInfo, GNOME through GIO.
for desktop in X-Generic GNOME; do
    for pair in welcome.vcl:calculation cells.vcm:memory welcome:calculation; do
        found=$(XDG_CURRENT_DESKTOP=$desktop xdg-mime query filetype "$work/${pair%%:*}")
        [[ $found == "application/x-vantor-${pair#*:}" ]] || fail "$desktop: ${pair%%:*} is $found"
    done
    for type in calculation memory; do
        found=$(XDG_CURRENT_DESKTOP=$desktop xdg-mime query default "application/x-vantor-$type")
        [[ $found == vantor-calculator.desktop ]] || fail "$desktop: the $type file opens with '$found'"
    done
done

# Installed straight into a prefix, the caches there are brought up to date at once.
direct=$stage/direct
cmake --install "$build" --prefix "$direct" >/dev/null
for cache in mime/mime.cache applications/mimeinfo.cache icons/hicolor/icon-theme.cache; do
    [[ -s $direct/share/$cache ]] || fail "an install into its prefix left $cache out of date"
done
grep -q 'application/x-vantor-calculation=vantor-calculator.desktop' "$direct/share/applications/mimeinfo.cache" ||
    fail "the menu cache of a direct install does not open calculation files with the program"
finish "the installed tree passes the validators and names both file types"
