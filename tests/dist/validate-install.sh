#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs: the program, a valid .desktop entry,
# valid AppStream metadata, the icon in every hicolor size plus SVG, all under one application id.
set -euo pipefail
build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

test -x "$prefix/bin/ondara"
desktop-file-validate "$prefix/share/applications/$id.desktop"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    test -f "$icon" || { echo "missing $icon"; exit 1; }
    # PNG width and height are big-endian at bytes 16..23.
    dims=$(od -An -tu4 --endian=big -j16 -N8 "$icon" | tr -s ' ')
    [ "$dims" = " $size $size" ] || { echo "$icon is not ${size}x${size}: $dims"; exit 1; }
done
test -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
echo "installed layout and metadata are valid"
