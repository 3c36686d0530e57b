# Shared by the gallery end-to-end scripts (sourced after WINDOW, PROBE, WORK
# and ART are set): screenshots of the root window, kept crops of the
# program's window, pixel counts and comparisons through e2e_probe, and
# waiting for a condition on fresh screenshots.
SHOT="$WORK/shot.png"
shot() { import -window root "$SHOT"; }
keep() { convert "$SHOT" -crop "$WINDOW" +repage "$ART/$1.png"; }
probe() { "$PROBE" "$@"; }
count() { probe count "$SHOT" "$@"; }
more_than() { [ "$(count $2 $3 5)" -gt "$1" ]; }  # more_than <n> "<x y w h>" <colour>
title() { xdotool getwindowname "$WINDOW_ID" 2>/dev/null; }
eventually() { # eventually <seconds> <predicate...>, on fresh screenshots
  local tries=$(($1 * 5)); shift
  for _ in $(seq "$tries"); do
    shot
    "$@" && return 0
    sleep 0.2
  done
  return 1
}
changed_since() { # changed_since <earlier shot> "<x y w h>" <more than n pixels>
  [ "$(probe differs "$1" "$SHOT" $2)" -gt "$3" ]
}
launch_gallery() { # launch_gallery <program> <title before " - ">: starts it on
  # the display, logging to $WORK/gallery.log; sets APP_PID and WINDOW_ID
  "$1" >"$WORK/gallery.log" 2>&1 &
  APP_PID=$!
  WINDOW_ID=$(timeout 20 xdotool search --sync --onlyvisible --name "^$2 - " | head -n 1)
  if [ -z "$WINDOW_ID" ]; then
    echo "the gallery's window did not appear"; cat "$WORK/gallery.log"; exit 1
  fi
  sleep 1.5
}
