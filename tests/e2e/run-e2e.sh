#!/usr/bin/env bash
# run-e2e.sh -- the real program as a child meets it: a real X window (Xvfb) under a window manager, real pointer
# and key events, real sound captured by SDL's disk audio driver; then judged by quillora-e2e-check. Then once
# more full screen: the picture fills the screen, a click on the scaled letter opens its scene, F11 gives the
# window back, Escape leaves full screen; a round of "Find the letter" (the question is heard, a real click on
# the asked letter opens its scene); the screen saver, free to start over the idle menu and held off while a
# scene plays; a kiosk that F11 and Escape do not leave; and both filling the screen where no window manager
# runs.
#
#   run-e2e.sh --program QUILLORA --trace QUILLORA-TRACE --recorder RECORDER --check CHECK --screensaver TOOL
#              --data DIR --artifacts DIR
#
# On failure it says which step failed and keeps the screenshots, the sound capture and the logs in the
# artefacts folder.
set -euo pipefail

caption="Brenvik Quillora"
client_width=742
client_height=523
screen_width=1920
screen_height=1080
scene_frames=120  # scene A: three passes of 40 frames
key_scene_frames=30  # scene B, opened with its key: its letter sound comes in its 21st frame

while [ $# -gt 0 ]; do
  case "$1" in
    --program) program=$2 ;;
    --trace) trace=$2 ;;
    --recorder) recorder=$2 ;;
    --check) check=$2 ;;
    --screensaver) screensaver=$2 ;;
    --data) data=$2 ;;
    --artifacts) art=$2 ;;
    *) echo "run-e2e.sh: unknown option $1" >&2; exit 2 ;;
  esac
  shift 2
done
for tool in Xvfb openbox xdotool wmctrl xwininfo xprop import sox; do
  command -v "$tool" >/dev/null || { echo "end-to-end: $tool is missing; run tools/install-deps" >&2; exit 1; }
done

rm -rf "$art"
mkdir -p "$art"
step="setting up"
pids=()

fail() {
  echo "end-to-end: FAILED at step '$step': $*" >&2
  echo "end-to-end: screenshots, sound capture and logs are in $art" >&2
  exit 1
}

stop_all() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
trap stop_all EXIT

# What the script did and when, on the same clock as the recorder's log.
note() {
  local kind=$1
  shift
  echo "$kind $EPOCHREALTIME $*" >>"$art/actions.log"
}

# The recorder tells of every frame as it is presented; these read its lines. A scene presents a frame every
# 90 ms, but an idle menu is presented once and then left on show, so the menu part goes by the clock.
frame=0
picture=-1
next_line() {
  read -r -t "$1" -u "$recorder_out" kind first second || fail "the recorder went quiet (no frame within $1 s)"
}
next_frame() {
  while next_line 10; do
    if [ "$kind" = frame ]; then
      frame=$first
      picture=$second
      return 0
    fi
  done
}
# Reads whatever frames were presented meanwhile, without waiting for more.
drain_frames() {
  while read -r -t 0 -u "$recorder_out"; do next_line 1; [ "$kind" = frame ] && frame=$first && picture=$second; done
}
sleep_until_since() {  # milliseconds, start time
  local left=$(( $1 - $(milliseconds_since "$2") ))
  [ "$left" -le 0 ] || sleep "$(printf '%d.%03d' $((left / 1000)) $((left % 1000)))"
}
frame_at_least() {
  while [ "$frame" -lt "$1" ]; do next_frame; done
}
milliseconds_since() {
  echo $(( (${EPOCHREALTIME/./} - ${1/./}) / 1000 ))
}
# True while the process runs (an ended child stays listed, as a zombie, until it is waited for).
running() {  # alive and not a zombie; a process that ends while we look counts as ended
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  [ -n "$stat" ] && ! [[ $stat =~ ^[0-9]+\ \(.*\)\ Z ]]
}

step="X server"
exec 3>"$art/display"
# -noreset: the server stays as it is when its last client leaves (a program ended with no window manager).
Xvfb -displayfd 3 -screen 0 ${screen_width}x${screen_height}x24 -nolisten tcp -noreset >"$art/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do [ -s "$art/display" ] && break; sleep 0.1; done
[ -s "$art/display" ] || fail "Xvfb did not start within 10 s (see xvfb.log)"
export DISPLAY=":$(head -n 1 "$art/display")"
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$art/capture.raw"

step="window manager"
openbox --sm-disable >"$art/openbox.log" 2>&1 &
openbox_pid=$!
pids+=("$openbox_pid")
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
wmctrl -m >/dev/null 2>&1 || fail "openbox did not start within 10 s (see openbox.log)"
xdotool mousemove 5 5  # the pointer waits off the window

step="recorder"
coproc recorder_io { exec "$recorder" "$caption" "$art/capture.raw" "$art/recorder.log" "$art/pictures.rgb"; }
recorder_pid=$recorder_io_PID
exec {recorder_out}<&"${recorder_io[0]}"  # bash forgets the coprocess's own names once it ends
pids+=("$recorder_pid")
read -r -t 10 -u "$recorder_out" ready || true
[ "${ready:-}" = ready ] || fail "the frame recorder did not start"

step="start"
(cd "$data" && exec "$program") >"$art/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
note start
next_line 20
[ "$kind" = window ] || fail "no window captioned '$caption' appeared"
window=$first
next_frame
first_frame_time=$EPOCHREALTIME
while [ "$picture" -lt 0 ]; do next_frame; done  # a picture the recorder is sure of
menu_picture=$picture

step="window"
name=$(xdotool getwindowname "$window")
[ "$name" = "$caption" ] || fail "the window is captioned '$name'"
client_size() {
  xwininfo -id "$window" | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w "x" h}'
}
size=$(client_size)
[ "$size" = "${client_width}x${client_height}" ] || fail "the client area is $size, not ${client_width}x${client_height}"
# A parent can make it bigger (the full-screen part below shows the picture growing with it).
actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
grep -q _NET_WM_ACTION_RESIZE <<<"$actions" && grep -q _NET_WM_ACTION_MAXIMIZE_HORZ <<<"$actions" &&
  grep -q _NET_WM_ACTION_FULLSCREEN <<<"$actions" || fail "the window manager does not offer to resize it: $actions"
timeout 5 xdotool windowactivate --sync "$window" || true
[ "$(xdotool getwindowfocus)" = "$window" ] || fail "the window did not get the keyboard focus"

step="menu screenshot"
import -window "$window" "$art/menu.png" || fail "import could not take a screenshot"
note shot "$art/menu.png" menu

step="idle menu"
# Nothing changes, so nothing is drawn: the checker counts the frames presented in this second.
drain_frames
note idle
sleep 1
note idle-end

step="hovering over two letters"
# The menu speaks no names for 1.5 s after it appears.
sleep_until_since 1700 "$first_frame_time"
note hover 178 58  # B
xdotool mousemove --sync --window "$window" 178 58
note moved
sleep 0.8
note hover 80 58  # A
xdotool mousemove --sync --window "$window" 80 58
note moved
sleep 0.9  # "A" has been said in full before the click stops it

step="clicking A"
drain_frames
note click 80 58
click_time=$EPOCHREALTIME
xdotool click 1
unseen=0
while [ "$picture" = "$menu_picture" ] || [ "$picture" -lt 0 ]; do
  next_frame
  [ "$picture" -ge 0 ] || unseen=$frame
  [ "$(milliseconds_since "$click_time")" -le 1000 ] || fail "the menu was still shown 1 s after the click"
done
scene_first=$frame
# The idle menu presents nothing, so a frame the recorder could not read just before was the scene's first.
[ "$unseen" != $((frame - 1)) ] || scene_first=$unseen

step="scene screenshots"
frame_at_least $((scene_first + 6))
import -window "$window" "$art/scene-1.png" || fail "import could not take a screenshot"
note shot "$art/scene-1.png" scene
frame_at_least $((scene_first + 10))
import -window "$window" "$art/scene-2.png" || fail "import could not take a screenshot"
note shot "$art/scene-2.png" scene

step="moves, clicks and keys during the scene"
# In the second pass, around its letter sound; none of this may change a frame or make a sound.
frame_at_least $((scene_first + 44))
note disturb move B
xdotool mousemove --window "$window" 178 58
frame_at_least $((scene_first + 47))
note disturb click B
xdotool click 1
frame_at_least $((scene_first + 50))
note disturb keys
xdotool key Left Up Right Down b b
frame_at_least $((scene_first + 53))
note disturb keydown Left
xdotool keydown Left
frame_at_least $((scene_first + 55))
note disturb click D
xdotool mousemove --window "$window" 373 58 click 1
frame_at_least $((scene_first + 58))
note disturb keyup Left
xdotool keyup Left
frame_at_least $((scene_first + 85))
note disturb click A
xdotool mousemove --window "$window" 80 58 click 1

step="back at the menu"
frame_at_least $((scene_first + scene_frames))  # the menu, drawn once
import -window "$window" "$art/back.png" || fail "import could not take a screenshot"
note shot "$art/back.png" back
sleep 0.5  # the menu's click sound is written out

step="pressing a letter's key twice"
# The first press names the letter, the second opens its scene.
drain_frames
note key b
xdotool key b
note pressed
sleep 0.8  # "B" has been said in full before the second press stops it
drain_frames
note key b
key_time=$EPOCHREALTIME
xdotool key b
back_picture=$picture
while [ "$picture" = "$back_picture" ] || [ "$picture" -lt 0 ]; do
  next_frame
  [ "$(milliseconds_since "$key_time")" -le 1000 ] || fail "the menu was still shown 1 s after the second press"
done
frame_at_least $((frame + key_scene_frames))  # past the scene's letter sound

step="closing through the window manager"
note close
close_time=$EPOCHREALTIME
wmctrl -i -c "$window"
while running "$program_pid" && [ "$(milliseconds_since "$close_time")" -lt 1000 ]; do sleep 0.02; done
running "$program_pid" && fail "the program was still running 1 s after the close request"
took=$(milliseconds_since "$close_time")
code=0
wait "$program_pid" || code=$?
[ "$code" -eq 0 ] || fail "the program ended with exit code $code (see program.log)"
echo "end-to-end: the program ended with exit code 0, $took ms after the close request"
for _ in $(seq 50); do running "$recorder_pid" || break; sleep 0.02; done

# Pixels that differ by more than 2 % between two pictures of the same size.
differing_pixels() {  # compare ends with 1 when the pictures differ at all
  { compare -metric AE -fuzz 2% "$1" "$2" null: 2>&1 || true; } | awk '{ printf "%d", $1 }'
}
window_state() {
  xwininfo -id "$window" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} /^  Width:/ {w=$2}
    /^  Height:/ {h=$2} END {print x "," y " " w "x" h}'
}
wait_for_state() {  # "X,Y WxH", for up to 5 s
  for _ in $(seq 50); do [ "$(window_state)" = "$1" ] && return 0; sleep 0.1; done
  return 1
}
# The fewest pixels by which a picture differs from scene A's frames 3 to 60 as the trace draws them after a
# click on A at frame 2 (shots named PREFIX-FRAME.png); fails when the trace cannot draw them.
nearest_scene_a_frame() {  # picture, shot prefix, trace options...
  local picture=$1 prefix=$2 frame differing best=-1 shots=()
  shift 2
  for frame in $(seq 3 60); do shots+=(--shot "$frame:$art/$prefix-$frame.png"); done
  "$trace" --data "$data" --frames 60 --click 80,58@2 "$@" "${shots[@]}" >/dev/null || return 1
  for frame in $(seq 3 60); do
    differing=$(differing_pixels "$picture" "$art/$prefix-$frame.png")
    if [ "$best" -lt 0 ] || [ "$differing" -lt "$best" ]; then best=$differing; fi
  done
  echo "$best"
}
# A window forced far larger than the screen (its drawing surface would take gigabytes) stays the screen's size.
check_bounded() {
  xdotool windowsize "$window" 20000 20000
  # The program answers the X server's new size with its own; without a window manager that takes a moment.
  for _ in $(seq 50); do sleep 0.1; [ "$(client_size)" = "${screen_width}x${screen_height}" ] && break; done
  sleep 0.3  # and keeps it
  [ "$(client_size)" = "${screen_width}x${screen_height}" ] || fail "a window forced to 20000 x 20000 is $(client_size) $1"
}

step="full screen"
(cd "$data" && SDL_AUDIODRIVER=dummy exec "$program" --fullscreen) >"$art/fullscreen.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=
for _ in $(seq 100); do window=$(xdotool search --name "$caption" 2>/dev/null | head -n 1) && [ -n "$window" ] && break; sleep 0.1; done
[ -n "$window" ] || fail "no window appeared for --fullscreen"
wait_for_state "0,0 ${screen_width}x${screen_height}" || fail "--fullscreen gave a window at $(window_state)"
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || fail "the window is not in the full-screen state"
sleep 1.5  # the picture settles after the size change
import -window root "$art/fullscreen-menu.png" || fail "import could not take a screenshot"
"$trace" --data "$data" --size "${screen_width}x${screen_height}" --frames 1 --shot "1:$art/trace-fullscreen-menu.png" >/dev/null ||
  fail "quillora-trace could not draw the full-screen menu"
# Every pixel as the trace draws it at this size: the picture 1532 x 1080 in the middle, black bars beside it.
# The X server's OpenGL and the offscreen one may part in a few edge pixels of the figure.
differing=$(differing_pixels "$art/fullscreen-menu.png" "$art/trace-fullscreen-menu.png")
[ "$differing" -le 1500 ] || fail "the full-screen menu differs from the trace's in $differing pixels"
echo "end-to-end: --fullscreen fills the ${screen_width} x ${screen_height} screen; $differing pixels differ from the trace"

step="clicking the scaled letter A"
# A's cell centre (80, 58) in the picture that starts at column 194 and is 1080 / 523 times the client size.
xdotool mousemove --sync 359 120 click 1
sleep 1
import -window root "$art/fullscreen-scene.png" || fail "import could not take a screenshot"
# Whichever frame of scene A it shows: the nearest of its first frames as the trace draws them.
best=$(nearest_scene_a_frame "$art/fullscreen-scene.png" trace-fullscreen --size "${screen_width}x${screen_height}") ||
  fail "quillora-trace could not draw scene A full screen"
[ "$best" -le 1500 ] || fail "after the click the screen shows no frame of scene A (the nearest differs in $best pixels)"
echo "end-to-end: the click on the scaled A opened scene A; the nearest trace frame differs in $best pixels"

step="F11"
xdotool key F11
for _ in $(seq 50); do [ "$(client_size)" = "${client_width}x${client_height}" ] && break; sleep 0.1; done
[ "$(client_size)" = "${client_width}x${client_height}" ] || fail "after F11 the window is $(window_state)"
! xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || fail "after F11 the window is still full screen"
sleep 0.5
import -window "$window" "$art/after-f11.png" || fail "import could not take a screenshot"
[ "$(identify -format '%wx%h' "$art/after-f11.png")" = "${client_width}x${client_height}" ] ||
  fail "after F11 the window's picture is $(identify -format '%wx%h' "$art/after-f11.png")"
echo "end-to-end: F11 gave back a ${client_width} x ${client_height} window at $(window_state)"

step="Escape"
# A parent's first try: Escape leaves full screen, and in a window it does nothing.
xdotool key F11
wait_for_state "0,0 ${screen_width}x${screen_height}" || fail "F11 again gave a window at $(window_state)"
xdotool key Escape
for _ in $(seq 50); do [ "$(client_size)" = "${client_width}x${client_height}" ] && break; sleep 0.1; done
[ "$(client_size)" = "${client_width}x${client_height}" ] || fail "after Escape the window is $(window_state)"
! xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || fail "after Escape the window is still full screen"
windowed=$(window_state)
xdotool key Escape
sleep 0.5
[ "$(window_state)" = "$windowed" ] && running "$program_pid" || fail "Escape in a window changed it to $(window_state)"
check_bounded "under openbox"
echo "end-to-end: Escape left full screen for a ${client_width} x ${client_height} window, and did nothing there"
wmctrl -i -c "$window"
for _ in $(seq 50); do running "$program_pid" || break; sleep 0.02; done
running "$program_pid" && fail "the full-screen program was still running 1 s after the close request"
code=0
wait "$program_pid" || code=$?
[ "$code" -eq 0 ] || fail "the full-screen program ended with exit code $code (see fullscreen.log)"

step="find the letter"
# The first round after a start asks for A; its question comes once the menu has settled, 1 s after start-up.
(cd "$data" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$art/game-capture.raw" exec "$program" --game names) \
  >"$art/game.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=
for _ in $(seq 100); do window=$(xdotool search --name "$caption" 2>/dev/null | head -n 1) && [ -n "$window" ] && break; sleep 0.1; done
[ -n "$window" ] || fail "no window appeared for --game names"
timeout 5 xdotool windowactivate --sync "$window" || true
sleep 2.2  # the question has been asked in full
import -window "$window" "$art/game-prompt.png" || fail "import could not take a screenshot"
# The head is upright in every other frame of a gesture (8 frames, 720 ms): pictures are taken one after the
# other for 600 ms of it (before a right answer's scene can begin), and compared only afterwards, so that their
# rhythm cannot fall in step with the upright frames; the one that differs most from the question's is kept.
gesture_picture() {  # name
  local i picture differing most=-1 end=$((${EPOCHREALTIME/./} + 600000))
  for ((i = 1; i <= 12; i++)); do
    import -window "$window" "$art/$1-$i.png" || fail "import could not take a screenshot"
    [ "${EPOCHREALTIME/./}" -lt "$end" ] || break
  done
  for picture in "$art/$1"-*.png; do
    differing=$(differing_pixels "$art/game-prompt.png" "$picture")
    if [ "$differing" -gt "$most" ]; then most=$differing; mv "$picture" "$art/$1.png"; else rm "$picture"; fi
  done
}
# A wrong letter first: its name is said and the figure shakes its head.
xdotool mousemove --sync --window "$window" 178 58 click 1
gesture_picture game-shake
sleep 2.5  # the name, the shake and the question again
xdotool mousemove --sync --window "$window" 80 58 click 1
gesture_picture game-nod
sleep 2  # the cheer and the nod, then the scene
import -window "$window" "$art/game-scene.png" || fail "import could not take a screenshot"
best=$(nearest_scene_a_frame "$art/game-scene.png" trace-game) || fail "quillora-trace could not draw scene A"
[ "$best" -le 1500 ] || fail "after the right answer the window shows no frame of scene A (the nearest differs in $best pixels)"
for picture in game-shake game-nod; do
  differing=$(differing_pixels "$art/game-prompt.png" "$art/$picture.png")
  [ "$differing" -ge 50 ] || fail "the figure does not move its head in $picture.png ($differing pixels differ from the prompt)"
done
wmctrl -i -c "$window"
for _ in $(seq 50); do running "$program_pid" || break; sleep 0.02; done
code=0
wait "$program_pid" || code=$?
[ "$code" -eq 0 ] || fail "the game's program ended with exit code $code (see game.log)"
sox -q "$data/ask2a.wav" -e signed-integer -b 16 "$art/ask2a-pcm.wav" || fail "sox could not decode the question"
sox -q "$data/laut2b.wav" "$art/laut2b-pcm.wav" || fail "sox could not read B's name"
for heard in ask2a-pcm laut2b-pcm; do
  "$check" --heard "$art/game-capture.raw" "$art/$heard.wav" || fail "the capture of the round does not hold $heard"
done
echo "end-to-end: --game names asked for A, named B after a wrong click, and a click on A opened its scene ($best pixels from the trace)"

step="screen saver"
(cd "$data" && SDL_AUDIODRIVER=dummy exec "$program") >"$art/screensaver.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=
for _ in $(seq 100); do window=$(xdotool search --name "$caption" 2>/dev/null | head -n 1) && [ -n "$window" ] && break; sleep 0.1; done
[ -n "$window" ] || fail "no window appeared for the screen saver's run"
sleep 1  # the menu is up and idle
"$screensaver" 4 >/dev/null || fail "the X server's screen saver cannot be set"
xdotool mousemove 5 5 mousemove 6 6  # the last input: the screen saver's 4 s start now
sleep 5
state=$("$screensaver") || fail "the X server's screen saver cannot be asked"
[ "${state%% *}" = on ] || fail "over the idle menu the screen saver did not start within 5 s ($state)"
xdotool mousemove --window "$window" 80 58 click 1  # scene A, 10.8 s long
sleep 5
state=$("$screensaver")
[ "${state%% *}" != on ] || fail "the screen saver started while scene A played ($state)"
echo "end-to-end: the screen saver starts over the idle menu and waits while a scene plays"
"$screensaver" 0 >/dev/null || true
wmctrl -i -c "$window"
for _ in $(seq 50); do running "$program_pid" || break; sleep 0.02; done
code=0
wait "$program_pid" || code=$?
[ "$code" -eq 0 ] || fail "the screen saver's program ended with exit code $code (see screensaver.log)"

# start_filling OPTION LOG: starts the program with the option and waits until its window fills the screen.
start_filling() {
  (cd "$data" && SDL_AUDIODRIVER=dummy exec "$program" "$1") >"$art/$2" 2>&1 &
  program_pid=$!
  pids+=("$program_pid")
  window=
  for _ in $(seq 100); do window=$(xdotool search --name "$caption" 2>/dev/null | head -n 1) && [ -n "$window" ] && break; sleep 0.1; done
  [ -n "$window" ] || fail "no window appeared for $1"
  wait_for_state "0,0 ${screen_width}x${screen_height}" || fail "$1 gave a window at $(window_state)"
}
# end_by_signal: SIGTERM, as a session's end sends it, ends the program as closing its window does.
end_by_signal() {
  kill -TERM "$program_pid"
  for _ in $(seq 50); do running "$program_pid" || break; sleep 0.02; done
  running "$program_pid" && fail "the program was still running 1 s after SIGTERM"
  code=0
  wait "$program_pid" || code=$?
  [ "$code" -eq 0 ] || fail "after SIGTERM the program ended with exit code $code"
}
# The whole screen shows the full-screen menu as the trace draws it.
check_filled_screen() {
  sleep 1.5  # the picture settles after the size change
  import -window root "$art/$1.png" || fail "import could not take a screenshot"
  differing=$(differing_pixels "$art/$1.png" "$art/trace-fullscreen-menu.png")
  [ "$differing" -le 1500 ] || fail "the screen differs from the trace's full-screen menu in $differing pixels ($1.png)"
}

step="kiosk"
start_filling --kiosk kiosk.log
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN || fail "the kiosk is not in the full-screen state"
xdotool key F11
sleep 0.5
xdotool key Escape
sleep 1
[ "$(window_state)" = "0,0 ${screen_width}x${screen_height}" ] || fail "F11 and Escape made the kiosk a window at $(window_state)"
check_filled_screen kiosk-menu
end_by_signal
echo "end-to-end: --kiosk fills the screen and stays there after F11 and Escape; SIGTERM ends it with 0"

step="without a window manager"
# A session that runs only the program: nothing makes its window full screen but the program itself.
kill "$openbox_pid"
wait "$openbox_pid" 2>/dev/null || true
for _ in $(seq 50); do wmctrl -m >/dev/null 2>&1 || break; sleep 0.1; done
wmctrl -m >/dev/null 2>&1 && fail "openbox did not end"
start_filling --kiosk kiosk-alone.log
check_filled_screen kiosk-alone-menu
end_by_signal
start_filling --fullscreen fullscreen-alone.log
check_filled_screen fullscreen-alone-menu
xdotool key F11
for _ in $(seq 50); do [ "$(client_size)" = "${client_width}x${client_height}" ] && break; sleep 0.1; done
[ "$(client_size)" = "${client_width}x${client_height}" ] || fail "without a window manager F11 left a window at $(window_state)"
check_bounded "without a window manager"
end_by_signal
echo "end-to-end: without a window manager --kiosk and --fullscreen fill the screen, F11 gives back a window;" \
  "forced to 20000 x 20000, with or without one, the window stays the screen's size"

stop_all
pids=()

step="judging the run"
sox -q -t raw -r 22050 -e signed -b 16 -c 2 "$art/capture.raw" "$art/capture.wav" || fail "sox could not read the capture"
SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "$check" --dir "$art" --data "$data" --trace "$trace" || fail "see the lines marked FAILED above"
rm -f "$art"/pictures.rgb "$art"/capture.raw "$art"/game-capture.raw "$art"/trace-*.png
echo "end-to-end: passed; screenshots and the sound capture are in $art"
