# Every bundled sample that fits on the screen, in every format, is shown at its own size: the first
# named on the command line, the others chosen by their typed number. The one larger than the screen
# is left to fit_placement.sh.
source "$(dirname "$0")/lib.sh"
samples=$(realpath "$2")

mapfile -t names < <(find "$samples" -maxdepth 1 -type f \( -iname '*.bmp' -o -iname '*.jpg' -o -iname '*.gif' \) \
    -printf '%f\n' | sort -f)
((${#names[@]} >= 8)) || fail "expected the bundled samples in $samples, found ${#names[@]}"

# Started elsewhere, the lists open at the named picture's folder with it selected, so Go starts there.
start_pixora "$WORK" "$samples/${names[1]}"
# Slow, so that no tick shows another picture while the test looks.
speed_bar_key Home
typed=0
for i in 1 "${!names[@]}"; do
    read -r width height < <(identify -format '%w %h\n' "$samples/${names[i]}")
    ((width <= SCREEN_W && height <= SCREEN_H)) || continue
    if ((typed++)); then
        click_twips "${TEXT_BOX[@]}"
        xdotool key ctrl+a type "$i"
    fi
    click_twips "${GO_BUTTON[@]}"
    wait_until 10 "${names[i]} was not shown at ${width}x$height" window_is "$width" "$height"
    read -r r g b < <(pixel "$samples/${names[i]}" $((width / 2)) $((height / 2)) 9)
    wait_until 10 "the middle of the screen does not show the middle of ${names[i]}, $r $g $b" \
        screen_shows $CX $CY "$r" "$g" "$b" 9
    stop_show
done
expect_exit alt+x
