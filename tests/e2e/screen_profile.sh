# The screen's own colour profile: while the root window carries one, a red picture is shown in
# the colours of a screen whose red and green are swapped; once it is removed, in sRGB again.
source "$(dirname "$0")/lib.sh"
profile_maker=$(realpath "$2")

convert -size 300x200 xc:red "$PICTURES/red.bmp"

start_display
"$profile_maker" swapped --on-root || fail "cannot set the screen's profile"
start_pixora "$PICTURES"
speed_bar_key Home
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the picture was not converted to the screen's profile" screen_shows $CX $CY 0 255 0
stop_show

# The picture decoded ahead for the old profile is decoded again for the new one.
xprop -root -remove _ICC_PROFILE
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the picture was not shown in sRGB once the profile was removed" screen_shows $CX $CY 255 0 0
stop_show

# A profile whose transforms take minutes to build is given up on within a decode's budget: the
# window goes on answering, and the picture is shown in sRGB, whether the profile comes while the
# program runs or is there when it starts.
"$profile_maker" slow --on-root || fail "cannot set the slow profile"
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the window did not answer once a slow profile was set" screen_shows $CX $CY 255 0 0
stop_show
expect_exit alt+x
start_pixora "$PICTURES"
speed_bar_key Home
click_twips "${GO_BUTTON[@]}"
wait_until 10 "the picture was not shown with a slow profile set at the start" screen_shows $CX $CY 255 0 0
stop_show
expect_exit alt+x
