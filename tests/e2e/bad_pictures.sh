# Pictures that cannot be shown (empty, truncated, not pictures at all, claiming enormous sizes,
# vanished, or really enormous) leave the program running and answering.
source "$(dirname "$0")/lib.sh"

pictures=$WORK/pictures
mkdir "$pictures"
: >"$pictures/empty.jpg"
# 60000 x 60000 pixels at 24 bits, claimed by a header with almost no data behind it.
{
    printf 'BM\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00'
    printf '\x28\x00\x00\x00\x60\xea\x00\x00\x60\xea\x00\x00\x01\x00\x18\x00'
    printf '\x00%.0s' {1..24}
    printf '\xff\xff\xff'
} >"$pictures/huge.bmp"
# 65535 x 65535 pixels, claimed by the screen and the image descriptor of a GIF.
{
    printf 'GIF89a\xff\xff\xff\xff\x80\x00\x00\x00\x00\x00\xff\xff\xff'
    printf ',\x00\x00\x00\x00\xff\xff\xff\xff\x00\x02\x02\x4c\x01\x00;'
} >"$pictures/huge.gif"
echo "this is a letter, not a picture" >"$pictures/text.bmp"
convert -size 400x300 gradient:yellow-purple "$WORK/whole.jpg"
head -c $(($(stat -c %s "$WORK/whole.jpg") * 2 / 5)) "$WORK/whole.jpg" >"$pictures/truncated.jpg"
good="vivid #1 [copy] été.gif"
convert -size 300x200 xc:red "$pictures/$good"
convert -size 300x200 xc:red "$pictures/was here.jpg"
convert -size 12000x9000 xc:orange "$pictures/zz enormous.jpg"

start_display
start_pixora "$pictures"

# Each failed load keeps the empty picture box; what matters is that the program takes the next
# clicks, so the good picture after the bad ones must still come.
for i in 0 1 2 3 4; do
    start_at "$i"
    stop_show
    pixora_running || fail "the program ended on entry $i"
done
start_at 5
wait_until 10 "the program stopped answering before showing '$good'" window_is 300 200
screenshot good
expect_colour "$SHOT" $((SCREEN_W / 2)) $((SCREEN_H / 2)) 255 0 0 "the middle of '$good'"
stop_show

rm "$pictures/was here.jpg"
start_at 6
stop_show
start_at 7
stop_show
screenshot after-enormous
xdotool key alt+x
wait_until 20 "the program did not end on Alt+X" pixora_gone
wait "$PIXORA_PID" || fail "the program ended with status $?"
PIXORA_PID=
