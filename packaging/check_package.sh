# Installs the built .deb on this machine with apt-get, starts the installed program under Xvfb,
# sees its panel, then removes the package and checks that its files are gone.
# Usage: check_package.sh PIXORA.DEB   (as root: it changes the machine)
set -euo pipefail

deb=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[[ $(id -u) -eq 0 ]] || fail "installing a package needs root"
if dpkg-query -W -f='${db:Status-Status}' pixora 2>/dev/null | grep -qx installed; then
    fail "pixora is already installed; remove it first, so that this check leaves the machine as it was"
fi

export DEBIAN_FRONTEND=noninteractive
echo "== apt-get install $deb"
apt-get install -y --no-install-recommends "$deb"
trap 'apt-get remove -y pixora >/dev/null 2>&1 || true' EXIT
files=$(dpkg-query -L pixora | while read -r path; do if [[ -f $path ]]; then echo "$path"; fi; done)
echo "== installed files:"
echo "$files"
[[ $(command -v pixora) == /usr/bin/pixora ]] || fail "pixora is not on the PATH as /usr/bin/pixora"

echo "== the installed program under Xvfb"
# The end-to-end helpers start the display and the program, wait for the panel and clean up.
bash -c 'source "$1/../tests/e2e/lib.sh" /usr/bin/pixora
    start_display
    start_pixora "$HOME"
    window_geometry
    echo "panel \"$(xdotool getwindowname "$WID")\" at ${WIN_X},${WIN_Y}, ${WIN_W}x${WIN_H}"' \
    check "$here"

echo "== apt-get remove pixora"
apt-get remove -y pixora
trap - EXIT
left=$(while read -r path; do if [[ -e $path ]]; then echo "$path"; fi; done <<<"$files")
[[ -z $left ]] || fail "files left after removal: $left"
if dpkg-query -W -f='${db:Status-Status}' pixora 2>/dev/null | grep -qx installed; then
    fail "still installed"
fi
echo "== removed; none of its files is left"
