# Every bundled sample, in every format, is shown at its own size when chosen by its typed number;
# the one larger than the screen is fitted to it on the display window.
source "$(dirname "$0")/lib.sh"
samples=$(realpath "$2")

mapfile -t names < <(find "$samples" -maxdepth 1 -type f \( -iname '*.bmp' -o -iname '*.jpg' -o -iname '*.gif' \) \
    -printf '%f\n' | sort -f)
((${#names[@]} >= 8)) || fail "expected the bundled samples in $samples, found ${#names[@]}"
last=$((${#names[@]} - 1))

start_display
start_pixora "$samples"
cx=$((SCREEN_W / 2))
cy=$((SCREEN_H / 2))

for ((i = 0; i < last; i++)); do
    read -r width height < <(identify -format '%w %h\n' "$samples/${names[i]}")
    ((width <= SCREEN_W && height <= SCREEN_H)) || fail "${names[i]} should fit on the screen"
    start_at "$i"
    wait_until 10 "${names[i]} was not shown at ${width}x$height" window_is "$width" "$height"
    read -r r g b < <(pixel "$samples/${names[i]}" $((width / 2)) $((height / 2)) 9)
    wait_until 10 "the middle of the screen does not show the middle of ${names[i]}, $r $g $b" \
        screen_shows $cx $cy "$r" "$g" "$b" 9
    screenshot "${names[i]%.*}"
    stop_show
done

# The last sample is larger than the screen: fitted, it leaves 500 twips (33 pixels) on the narrower side.
read -r width height < <(identify -format '%w %h\n' "$samples/${names[last]}")
((width > SCREEN_W || height > SCREEN_H)) || fail "${names[last]} should be larger than the screen"
click_twips "${RESIZE_BOX[@]}"
start_at "$last"
display=$(timeout 10 xdotool search --sync --onlyvisible --name '^Pixora$' | head -n 1) ||
    fail "the display window did not appear"
eval "$(xdotool getwindowgeometry --shell "$display")"
if ((width * SCREEN_H > height * SCREEN_W)); then
    fitted_w=$((SCREEN_W - 33)) fitted_h=$((height * SCREEN_W / width - 33))
else
    fitted_w=$((width * SCREEN_H / height - 33)) fitted_h=$((SCREEN_H - 33))
fi
expect_near "$WIDTH" "$fitted_w" "the display window's width"
expect_near "$HEIGHT" "$fitted_h" "the display window's height"
expect_near "$X" $(((SCREEN_W - fitted_w) / 2)) "the display window's left edge"
expect_near "$Y" $(((SCREEN_H - fitted_h) / 2)) "the display window's top edge"
screenshot fitted

# Stopping on the display window hides it and brings back the main window, which still holds the
# large picture and reaches beyond the screen: Alt+X ends the program all the same.
double_click_at $cx $cy
wait_until 10 "the display window stayed after a double click" display_hidden
screenshot stopped
xdotool key alt+x
wait_until 10 "the program did not end on Alt+X" pixora_gone
wait "$PIXORA_PID" || fail "the program ended with status $?"
PIXORA_PID=
