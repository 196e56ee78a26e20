#!/usr/bin/env bash
# Fetches the editor's default face, Roboto Mono (SIL Open Font License), from its npm
# package at a pinned version into ui/resources/fonts/, where the build embeds it.
# Without npm, or offline, the program substitutes another monospaced face.
set -euo pipefail
cd "$(dirname "$0")/.."

package="@expo-google-fonts/roboto-mono@0.4.2"
target=ui/resources/fonts
faces=(400Regular 400Regular_Italic 700Bold 700Bold_Italic)

have_all=1
for face in "${faces[@]}"; do
    [[ -s "$target/RobotoMono_$face.ttf" ]] || have_all=0
done
if ((have_all)); then
    exit 0
fi
if ! command -v npm >/dev/null 2>&1; then
    echo "fetch-fonts: npm is missing; the editor will use another monospaced face" >&2
    exit 0
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! (cd "$work" && npm pack --silent "$package" >/dev/null 2>&1); then
    echo "fetch-fonts: could not fetch $package; the editor will use another monospaced face" >&2
    exit 0
fi
tar -xzf "$work"/*.tgz -C "$work"
mkdir -p "$target"
for face in "${faces[@]}"; do
    cp "$work/package/$face/RobotoMono_$face.ttf" "$target/"
done
cp "$work/package/LICENSE_FONT" "$target/OFL.txt"
echo "fetch-fonts: Roboto Mono from $package is in $target"
