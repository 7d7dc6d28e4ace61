#!/usr/bin/env bash
# Writes the seed inputs of the fuzz targets into fuzz/corpus: typed texts, and small pictures of
# every kind the loader meets, good and broken. Run it again only to change the seeds; it needs
# ImageMagick, and cjpeg from libjpeg-turbo-progs.
set -euo pipefail

corpus=$(dirname "$0")/corpus
numbers=$corpus/number_reader
pictures=$corpus/picture_loader
profiles=$(realpath "$corpus")/colour_profile
# The end-to-end tests' profile maker, which make test builds.
maker=$(realpath "${PROFILE_MAKER:-$(dirname "$0")/../build-test/tests/e2e/pixora_profile_maker}")
rm -rf "$numbers" "$pictures" "$profiles"
mkdir -p "$numbers" "$pictures" "$profiles"
for kind in srgb adobe-rgb swapped; do
    "$maker" "$kind" >"$profiles/$kind.icc"
done
head -c 300 "$profiles/adobe-rgb.icc" >"$profiles/truncated.icc"

i=0
for text in '0' '12' ' 7.5' '6.5' '-2' '4abc' '&H1F' '&o17' '&h' '&Hffffffffff' '1e3' '2.5D-1' \
    '1E+' '.5' '+.' '1 2 3' $'\t\n 42' 'File  4 OF  12' '99999999999' '-2147483649' '2147483647.5' \
    '1e400' '-0' '&O'; do
    i=$((i + 1))
    printf '%s' "$text" >"$numbers/$(printf '%02d' $i)"
done
# A NUL byte after a number, which a shell string cannot hold.
printf '3\x005' >"$numbers/$(printf '%02d' $((i + 1)))"

cd "$pictures"
convert -size 8x6 gradient:red-blue BMP3:bmp24.bmp
convert -size 8x6 gradient:red-blue -type palette -colors 16 BMP3:bmp8.bmp
convert -size 8x6 gradient:red-blue -alpha set -channel A -evaluate set 50% BMP:bmp32.bmp
convert -size 16x12 gradient:yellow-purple -quality 80 baseline.jpg
convert -size 16x12 gradient:yellow-purple -interlace Plane progressive.jpg
convert -size 16x12 gradient:yellow-purple -orient RightTop turned.jpg
convert -size 8x6 gradient:green-white still.gif
convert -size 8x6 xc:red xc:blue -loop 0 animated.gif
convert -size 8x6 gradient:green-white -interlace GIF interlaced.gif
convert -size 8x6 gradient:cyan-black png.png
head -c 300 progressive.jpg >truncated.jpg
# JPEG in every coding libjpeg-turbo reads, and progressive.jpg with its last scan five times over.
convert -size 16x12 gradient:yellow-purple -colorspace Gray grey.jpg
convert -size 16x12 gradient:yellow-purple -colorspace CMYK cmyk.jpg
convert -size 16x12 gradient:yellow-purple ppm:- | cjpeg -arithmetic >arithmetic.jpg
convert -size 16x12 gradient:yellow-purple ppm:- | cjpeg -restart 1B >restarts.jpg
last_scan=$(LC_ALL=C grep -obUaP '\xff\xda' progressive.jpg | tail -1 | cut -d: -f1)
size=$(stat -c %s progressive.jpg)
{
    head -c $((size - 2)) progressive.jpg
    for _ in 1 2 3 4; do tail -c +$((last_scan + 1)) progressive.jpg | head -c $((size - 2 - last_scan)); done
    printf '\xff\xd9'
} >repeated-scan.jpg
# Pictures carrying a profile: in a JPEG's APP2 segments, a version 5 BMP and a GIF's extension.
convert -size 16x12 gradient:yellow-purple -profile "$profiles/adobe-rgb.icc" profile.jpg
convert -size 8x6 gradient:red-blue -profile "$profiles/adobe-rgb.icc" BMP:profile.bmp
convert -size 8x6 gradient:green-white -profile "$profiles/adobe-rgb.icc" profile.gif
# A BMP with its rows stored top-down, and one of 0 x 0 pixels.
printf 'BM\x46\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x02\x00\x00\x00\xfe\xff\xff\xff\x01\x00\x18\x00' >top-down.bmp
printf '\x00%.0s' {1..24} >>top-down.bmp
printf '\xff\x00\x00\x00\xff\x00\x00\x00\x00\x00\xff\x00\xff\xff\xff\x00' >>top-down.bmp
printf 'BM\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x01\x00\x18\x00' >empty.bmp
printf '\x00%.0s' {1..24} >>empty.bmp
# Headers claiming 60000 x 60000 and 65535 x 65535 pixels with almost no data behind them.
printf 'BM\x36\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x60\xea\x00\x00\x60\xea\x00\x00\x01\x00\x18\x00' >huge.bmp
printf '\x00%.0s' {1..24} >>huge.bmp
printf '\xff\xff\xff' >>huge.bmp
printf 'GIF89a\xff\xff\xff\xff\x80\x00\x00\x00\x00\x00\xff\xff\xff' >huge.gif
printf ',\x00\x00\x00\x00\xff\xff\xff\xff\x00\x02\x02\x4c\x01\x00;' >>huge.gif
