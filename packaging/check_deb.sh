# Builds the .deb with CPack and checks its control data, its contents, the one version it carries
# everywhere, and that lintian finds no error and no warning in it.
# Usage: check_deb.sh BUILD-FOLDER VERSION
set -euo pipefail

build=$1
version=$2
out=$(mktemp -d "${TMPDIR:-/tmp}/pixora-deb.XXXXXX")
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log" >&2; fail "cpack"; }
deb=$out/pixora_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "no $(basename "$deb") among: $(ls "$out")"

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == pixora ]] || fail "package name $(field Package)"
[[ $(field Version) == "$version" ]] || fail "version $(field Version)"
[[ -n $(field Maintainer) && -n $(field Description) ]] || fail "no maintainer or description"
# Found by dpkg-shlibdeps from the linked libraries, not written by hand.
depends=$(field Depends)
names=$(sed 's/ ([^)]*)//g; s/, */\n/g' <<<"$depends")
for runtime in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6; do
    grep -qxF "$runtime" <<<"$names" || fail "Depends lacks $runtime: $depends"
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
expected=(./usr/bin/pixora ./usr/share/applications/io.github.pixora.Pixora.desktop
    ./usr/share/metainfo/io.github.pixora.Pixora.metainfo.xml ./usr/share/man/man1/pixora.1.gz
    ./usr/share/doc/pixora/copyright ./usr/share/doc/pixora/changelog.gz)
for size in 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x$size/apps/pixora.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
stray=$(grep -v '/$' <<<"$contents" | grep -vxF -f <(printf '%s\n' "${expected[@]}") || true)
[[ -z $stray ]] || fail "unexpected files in the package: $stray"

dpkg-deb --extract "$deb" "$out/root"
grep -qF "<release version=\"$version\"" "$out/root/usr/share/metainfo/io.github.pixora.Pixora.metainfo.xml" ||
    fail "the metainfo's release is not $version"
[[ $(zcat "$out/root/usr/share/doc/pixora/changelog.gz") == "pixora ($version) "* ]] ||
    fail "the changelog's last entry is not $version"
[[ $(zcat "$out/root/usr/share/man/man1/pixora.1.gz") == *$'\n.TH PIXORA 1 '*" \"Pixora $version\""* ]] ||
    fail "the manual page is not of $version"

# Informational tags are shown too, for the record; only errors and warnings fail.
status=0
report=$(lintian --display-info --fail-on error,warning "$deb" 2>&1) || status=$?
report=$(grep -v 'running with root privileges' <<<"$report" || true)
((status == 0)) || fail "lintian: $report"
echo "$(basename "$deb"): Depends: $depends"
echo "lintian: ${report:-no tags}"
