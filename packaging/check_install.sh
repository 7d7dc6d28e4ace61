# Installs into a temporary prefix and checks the files with the desktop's own validators, and the
# installed program's version.
# Usage: check_install.sh BUILD-FOLDER VERSION
set -euo pipefail

build=$1
version=$2
prefix=$(mktemp -d "${TMPDIR:-/tmp}/pixora-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
[[ -x $prefix/bin/pixora ]] || fail "the program is not installed as bin/pixora"
[[ $(QT_QPA_PLATFORM=offscreen "$prefix/bin/pixora" --version 2>/dev/null) == "pixora $version" ]] ||
    fail "pixora --version does not say $version"

# The validator prints its warnings but passes them; here a warning fails too.
entry=$prefix/share/applications/io.github.pixora.Pixora.desktop
report=$(desktop-file-validate "$entry" 2>&1) && [[ -z $report ]] || fail "desktop entry: $report"
grep -qx 'Exec=pixora %f' "$entry" || fail "the desktop entry does not start pixora with the file opened"

appstreamcli validate --no-net --strict "$prefix/share/metainfo/io.github.pixora.Pixora.metainfo.xml" ||
    fail "the metainfo does not validate"
# The whole tree: the metainfo's desktop entry and icon must be found where it says.
appstreamcli validate-tree --no-net --strict "$prefix" || fail "the installed tree does not validate"

for size in 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/pixora.png
    [[ -f $icon ]] || fail "no ${size} pixel icon"
    [[ $(identify -format '%wx%h' "$icon") == "${size}x$size" ]] || fail "the ${size} pixel icon has another size"
done
echo "installed and valid: $(cd "$prefix" && find . -type f | sort | xargs)"
