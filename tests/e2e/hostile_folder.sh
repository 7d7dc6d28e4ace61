# One folder holding every kind of hostile entry at once among four good pictures: the good ones come
# in order, the program stays alive, even when the folder goes away, and a double click brings the
# panel back.
source "$(dirname "$0")/lib.sh"

pictures=$WORK/pictures
mkdir "$pictures"
cd "$pictures"
# The good pictures, one width each so that the window's width tells which is up.
convert -size 300x200 xc:red "01 good.bmp"
convert -size 340x200 xc:lime "png:05 png named #1 [copy] été.jpg"
convert -size 380x200 xc:blue xc:yellow -loop 0 $'09 new\nline.gif'
convert -size 420x200 xc:purple $'13 caf\xe9 not utf-8 .jpg'
# The bad ones between them, which leave the picture before them on the screen.
: >"02 empty.jpg"
printf 'not a picture %.0s' {1..300} >"03 words.gif"
convert -size 400x300 gradient:yellow-purple "04 truncated.jpg"
truncate -s 150 "04 truncated.jpg"
# 65535 x 65535 pixels, claimed by the screen and the image descriptor of a GIF.
{
    printf 'GIF89a\xff\xff\xff\xff\x80\x00\x00\x00\x00\x00\xff\xff\xff'
    printf ',\x00\x00\x00\x00\xff\xff\xff\xff\x00\x02\x02\x4c\x01\x00;'
} >"06 huge.gif"
# A BMP header claiming 60000 x 60000 pixels, and one claiming none.
bmp_header() {
    printf 'BM\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00%b%b\x01\x00\x18\x00' "$1" "$2"
    printf '\x00%.0s' {1..24}
}
{ bmp_header '\x60\xea\x00\x00' '\x60\xea\x00\x00'; printf '\xff\xff\xff'; } >"07 huge.bmp"
bmp_header '\x00\x00\x00\x00' '\x00\x00\x00\x00' >"08 zero by zero.bmp"
cp "01 good.bmp" "10 vanishing.bmp"
head -c 54 "01 good.bmp" >"11 header only.bmp"
: >"12 $(printf 'x%.0s' {1..248}).gif"
# Really enormous: 108 million pixels, over 400 MB once decoded.
convert -size 12000x9000 xc:orange "14 enormous.jpg"
# Entries that are not files: never listed, never read.
mkfifo x.jpg
mkdir y.gif
ln -s /dev/zero z.bmp
ln -s gone.jpg w.jpg
cd - >/dev/null

start_display
start_pixora "$pictures"
speed_bar_key End
click_twips "${GO_BUTTON[@]}"
rm "$pictures/10 vanishing.bmp"

for width in 300 340 380 420 300; do
    wait_until 30 "the good picture $width pixels wide did not come in its turn" window_is "$width" 200
done

# The folder goes away under the show, as a drive does when it is pulled out, and comes back holding
# only its last picture, changed: the show goes on over the missing files until it gets there.
mv "$pictures" "$WORK/gone"
mkdir "$WORK/back"
convert -size 260x200 xc:red "$WORK/back/14 enormous.jpg"
mv "$WORK/back" "$pictures"
wait_until 30 "the show did not go on to the picture that came back" window_is 260 200
stop_show
click_twips "${EXIT_BUTTON[@]}"
expect_exit
