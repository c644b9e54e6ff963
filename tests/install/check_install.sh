#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks the installed layout:
#   bin/ holds only orvanel; share/orvanel/learn.dll is the built card database; the desktop
#   file validates and its Icon is in the hicolor theme at 48, 128 and 256 px (PNGs of those
#   sizes); the AppStream metadata validates and names this version as its release; the
#   printing and card database modules lie where the program looks for installed modules (a
#   folder relative to bin/).
# Usage: check_install.sh <cmake> <build folder> <project version> <app id> <modules folder from bin/>
set -uo pipefail
cmake=$1 build=$2 version=$3 app_id=$4 modules=$5

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix" "$prefix.log"' EXIT
if ! "$cmake" --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log" >&2
    echo "FAIL: cmake --install $build did not succeed" >&2
    exit 1
fi

# Programs: orvanel and nothing else.
bin_files=$(ls -A "$prefix/bin" 2>/dev/null | paste -sd " ")
[ "$bin_files" = orvanel ] || fail "bin/ should hold only orvanel, holds: ${bin_files:-nothing}"
[ -x "$prefix/bin/orvanel" ] || fail "bin/orvanel is missing or not executable"

# The card database, as the build made it.
dll=$prefix/share/orvanel/learn.dll
if [ ! -f "$dll" ]; then
    fail "share/orvanel/learn.dll is missing"
elif ! cmp -s "$dll" "$build/learn.dll"; then
    fail "share/orvanel/learn.dll differs from the built $build/learn.dll"
fi

# The modules the program loads on first use, where it looks for them.
for module in liborvanel-printing.so liborvanel-carddb.so; do
    [ -f "$prefix/bin/$modules/$module" ] || fail "the module $module is not in bin/$modules/"
done

# Width and height from a PNG's header ("48 48"), or nothing when it is not a PNG.
png_size() {
    [ "$(od -An -tx1 -N8 "$1" | tr -d ' \n')" = 89504e470d0a1a0a ] || return
    od -An -tu4 --endian=big -j16 -N8 "$1" | awk '{print $1, $2}'
}

desktop=$prefix/share/applications/$app_id.desktop
if [ ! -f "$desktop" ]; then
    fail "share/applications/$app_id.desktop is missing"
else
    if ! report=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$report" ]; then
        fail "desktop-file-validate $desktop:"$'\n'"$report"
    fi
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ "$icon" = "$app_id" ] || fail "the desktop file's Icon is '$icon', not $app_id"
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    [ -x "$prefix/bin/${exec_line%% *}" ] || fail "the desktop file's Exec '$exec_line' is not an installed program"
    for size in 32 48 64 128 256; do
        png=$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png
        if [ ! -f "$png" ]; then
            fail "icon ${size}x$size/apps/$icon.png is missing from the hicolor theme"
        elif [ "$(png_size "$png")" != "$size $size" ]; then
            fail "icon ${size}x$size/apps/$icon.png is not a $size x $size PNG (found: $(png_size "$png"))"
        fi
    done
fi

metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
if [ ! -f "$metainfo" ]; then
    fail "share/metainfo/$app_id.metainfo.xml is missing"
else
    # appstreamcli passes files with infos and pedantic notes too; we take none of them.
    report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1)
    status=$?
    issues=$(grep -E '^[EWIP]: ' <<<"$report")
    if [ $status -ne 0 ] || [ -n "$issues" ]; then
        fail "appstreamcli validate --no-net --pedantic $metainfo:"$'\n'"$report"
    fi
    grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo's id is not $app_id"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $app_id.desktop"
    release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
    [ "$release" = "$version" ] || fail "the metainfo's newest release is '$release', the project's version $version"
fi

if [ $failures -ne 0 ]; then
    echo "$failures installed-layout check(s) failed" >&2
    exit 1
fi
echo "installed layout in order: bin/orvanel, its modules, share/orvanel/learn.dll, $app_id desktop file, icons and metainfo"
