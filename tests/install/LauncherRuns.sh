#!/usr/bin/env bash
# LauncherRuns.sh BUILD APP_ID VERSION -- installs into a DESTDIR and starts the installed launcher from another
# directory on a virtual X display with a French desktop: the program reads its files from the French data
# directory, draws the letter menu under the desktop id as its window class, and stays up until it is ended.
# Also the launcher's own answers and errors, and the language it chooses for a set of desktop languages.
set -euo pipefail
build=$1 id=$2 version=$3
source "$(dirname "$0")/CheckTree.sh"
work=$(mktemp -d)
xserver= program=
# Ends the program and whatever it started (an error box runs in a child process) for good.
StopProgram() {
  [ -n "$program" ] || return 0
  pkill -KILL -P "$program" 2>/dev/null || true
  kill -KILL "$program" 2>/dev/null || true
}
Cleanup() {
  StopProgram
  [ -z "$xserver" ] || kill "$xserver" 2>/dev/null || true
  rm -rf "$work"
}
trap Cleanup EXIT

DESTDIR="$work/stage" cmake --install "$build" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
root=$work/stage$prefix
launcher=$root/games/quillora

echo "== the launcher's answers"
[ "$("$launcher" --version)" = "quillora $version" ] || Fail "quillora --version says '$("$launcher" --version)'"
help=$("$launcher" --help)
grep -q '^Usage: quillora \[--fullscreen | --window | --kiosk\] \[--language CODE\] \[--game names|sounds\]$' <<<"$help" &&
  grep -q 'F11' <<<"$help" && grep -q 'Escape leaves full screen' <<<"$help" && grep -q 'Close the window' <<<"$help" &&
  grep -q 'Space starts a' <<<"$help" ||
  Fail "quillora --help gives no usage with the window options, the game and the keys: $help"
status=0; message=$("$launcher" --window --bogus 2>&1) || status=$?
[ "$status" = 2 ] && grep -q "unknown argument '--bogus'" <<<"$message" ||
  Fail "an unknown argument gave status $status and '$message'"
# The game's modes are checked before anything starts, in the program's own words.
for wrong in "--game chess" "--game=Names" "--game"; do
  status=0; message=$("$launcher" $wrong 2>&1) || status=$?
  [ "$status" = 2 ] && [ "$message" = "quillora: --game takes names (find the letter by its name) or sounds (by its sound)" ] ||
    Fail "$wrong gave status $status and '$message'"
done

echo "== the installed languages, each with its name"
languages=$(Languages "$build")
fallback=${languages%% *}
listed=$("$launcher" --languages)
[ "$(cut -d' ' -f1 <<<"$listed" | sort)" = "$(tr ' ' '\n' <<<"$languages" | sort)" ] ||
  Fail "quillora --languages lists '$listed', not the languages the build made ($languages)"
if [[ " $languages " == *" fr "* ]]; then
  grep -qx 'fr Français' <<<"$listed" || Fail "quillora --languages does not name French in French: $listed"
fi
status=0; message=$("$launcher" --language xx 2>&1) || status=$?
[ "$status" = 2 ] && grep -q "'xx' is not installed; installed are: .*$fallback" <<<"$message" ||
  Fail "an unknown language gave status $status and '$message'"

# A missing or empty language is refused alike, never quietly replaced by the desktop's.
for arguments in "--language" "--language=" "--language ''" "--language '' --fullscreen"; do
  status=0; message=$(eval "\"\$launcher\" $arguments" 2>&1) || status=$?
  [ "$status" = 2 ] && [ "$message" = "quillora: --language needs a language code, e.g. --language fr" ] ||
    Fail "quillora $arguments gave status $status and '$message'"
done
# A value repeated in a message stays one line: control characters written out, cut after 80 characters.
long=$(printf 'x%.0s' {1..100})
status=0; message=$("$launcher" --language $'fr\n\e[2J'"$long" 2>&1) || status=$?
[ "$status" = 2 ] && [ "$(wc -l <<<"$message")" = 1 ] &&
  grep -qF "language 'fr\n\x1b[2J${long:0:73}...' is not installed" <<<"$message" ||
  Fail "a long language with control characters gave status $status and '$message'"
status=0; message=$("$launcher" $'--b\xc2\x85o\tgus' 2>&1) || status=$?
[ "$status" = 2 ] && grep -qxF "quillora: unknown argument '--b\x85o\tgus' (see quillora --help)" <<<"$message" ||
  Fail "an unknown argument with control characters gave status $status and '$message'"

echo "== the language it chooses from the desktop's"
# A copy of the tree whose program only says where it was started, and with what, after a game mode.
cp -a "$root" "$work/probe"
printf '#!/bin/sh\nbasename "$(pwd -P)"\n[ $# -eq 0 ] || echo "$*" >&2\n' >"$work/probe/libexec/quillora/quillora"
# Expect LANGUAGE-CODE [VARIABLE=VALUE...] [-- ARGUMENTS]: a language the build did not make falls back.
Expect() {
  local expected=$1 arguments=() variables=() chosen
  shift
  while [ $# -gt 0 ] && [ "$1" != -- ]; do variables+=("$1"); shift; done
  [ $# -eq 0 ] || { shift; arguments=("$@"); }
  [[ " $languages " == *" $expected "* ]] || expected=$fallback
  # Only its answer counts: bash warns on its own about a locale this machine has not generated.
  chosen=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "${variables[@]}" \
    "$work/probe/games/quillora" "${arguments[@]}" 2>/dev/null) || true
  [ "$chosen" = "$expected" ] ||
    Fail "with ${variables[*]} ${arguments[*]} the launcher chose '$chosen', not '$expected'"
}
Expect fr LANG=fr_FR.UTF-8
Expect de LANG=de_AT.UTF-8
Expect pt LANG=pt_BR
Expect nl LANG=nl_BE.UTF-8@euro
Expect pl LC_MESSAGES=pl_PL.UTF-8 LANG=fr_FR.UTF-8
Expect es LC_ALL=es_MX.UTF-8 LC_MESSAGES=pl_PL.UTF-8 LANG=fr_FR.UTF-8
Expect en LC_ALL=sv_SE.UTF-8 LANG=de_DE.UTF-8
Expect it LANGUAGE=sv:it_IT:fr LANG=de_DE.UTF-8
Expect de LANGUAGE=sv:zh_CN LANG=de_DE.UTF-8
Expect en LANG=C.UTF-8
Expect en LANG=POSIX
Expect en LANG=
Expect en
Expect de LANG=fr_FR.UTF-8 -- --language de
Expect pt LANGUAGE=fr -- --language=pt_BR
Expect de LANG=fr_FR.UTF-8 -- --fullscreen --language de --window
Expect fr LANG=fr_FR.UTF-8 -- --kiosk
for game in "--game names" "--game=sounds"; do
  passed=$("$work/probe/games/quillora" --window $game --language en 2>&1 >/dev/null)
  [ "$passed" = "--window --game ${game#--game?}" ] || Fail "quillora $game passed '$passed' on to the program"
done

echo "== a launcher without its data says so and fails"
cp -a "$root" "$work/broken"
rm -rf "$work/broken/share/quillora"
status=0; message=$("$work/broken/games/quillora" 2>&1) || status=$?
[ "$status" = 1 ] && grep -q 'data directory .* is missing' <<<"$message" ||
  Fail "a missing data directory gave status $status and '$message'"

echo "== started from another directory through a symbolic link on a French desktop, it runs in the French data directory"
expected=fr
[[ " $languages " == *" fr "* ]] || expected=$fallback
# A virtual X server with a display number of its own choosing, so parallel runs never collide.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xserver=$!
exec 3>&-
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; Fail "Xvfb did not start"; Finish; }
export DISPLAY=:$(cat "$work/display") SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy

mkdir "$work/elsewhere" && ln -s "$launcher" "$work/elsewhere/quillora"
cd "$work/elsewhere"
env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=fr_FR.UTF-8 \
  strace -f -qq -e trace=openat -o "$work/opened.log" ./quillora --window >"$work/program.log" 2>&1 &
tracer=$!
for _ in $(seq 50); do program=$(pgrep -P "$tracer" || true); [ -n "$program" ] && break; sleep 0.1; done
[ -n "$program" ] || Fail "the launcher did not start"

# It must still be up after three seconds, with the menu on the screen. Asked again then: the first answer may
# have come while the launcher was still on its way to the program.
sleep 3
[ -z "$program" ] || program=$(pgrep -P "$tracer" | head -n 1 || true)
if [ -n "$program" ] && kill -0 "$program" 2>/dev/null; then
  [ "$(readlink "/proc/$program/exe")" = "$root/libexec/quillora/quillora" ] ||
    Fail "the running program is $(readlink "/proc/$program/exe"), not the installed one"
  [ "$(tr '\0' '\n' <"/proc/$program/cmdline" | tail -n +2)" = --window ] ||
    Fail "the launcher did not hand the program its option: $(tr '\0' ' ' <"/proc/$program/cmdline")"
  [ "$(readlink "/proc/$program/cwd")" = "$root/share/quillora/$expected" ] ||
    Fail "the program runs in $(readlink "/proc/$program/cwd"), not in its data directory $root/share/quillora/$expected"

  # The window shows the menu picture, drawn from its lower left corner (the top 27 rows lie above the
  # window); the left 600 columns hold letters only, the figure stands further right.
  convert "$root/share/quillora/startscreen.gif" -crop 600x523+0+27 +repage "$work/expected.png"
  differing=unknown
  for _ in $(seq 20); do
    if import -window "Brenvik Quillora" "$work/window.png" 2>/dev/null &&
       [ "$(identify -format '%wx%h' "$work/window.png")" = 742x523 ]; then
      convert "$work/window.png" -crop 600x523+0+0 +repage "$work/shown.png"
      differing=$(compare -metric AE -fuzz 5% "$work/expected.png" "$work/shown.png" null: 2>&1 || true)
      [ "$differing" = 0 ] && break
    fi
    sleep 0.5
  done
  [ "$differing" = 0 ] || Fail "the window does not show the letter menu: $differing pixels differ (window.png kept in $build/tests/install)"
  [ "$differing" = 0 ] || cp "$work/window.png" "$build/tests/install/window.png" 2>/dev/null || true
  # The desktop matches the window to its menu entry by its class (its app id under Wayland).
  class=$(xprop -name "Brenvik Quillora" WM_CLASS 2>&1 || true)
  [ "$class" = "WM_CLASS(STRING) = \"$id\", \"$id\"" ] || Fail "the window's class is not the desktop id $id: $class"

  kill -TERM "$program"
  for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$program" 2>/dev/null; then
    Fail "the program did not end when asked to"
    StopProgram
  fi
else
  Fail "the program ended within three seconds: $(cat "$work/program.log"); still traced:" \
    "$(ps -o pid=,args= --ppid "$tracer" 2>/dev/null | tr '\n' ';')"
  # Whatever it left behind would keep strace, and this test, waiting for good.
  pkill -KILL -P "$tracer" 2>/dev/null || true
  kill "$tracer" 2>/dev/null || true
fi
wait "$tracer" || true
program=

# Every file it read by a relative name was found there.
relative=$(grep -o 'openat(AT_FDCWD, "[^/"][^"]*".*' "$work/opened.log" || true)
missing=$(grep ' = -1 ' <<<"$relative" || true)
[ -z "$missing" ] || Fail "the program could not open files from its data directory: $missing"
for file in mainicon.bmp texstone1.raw startscreen.gif auto.wav; do
  grep -q "\"$file\"" <<<"$relative" || Fail "the program never opened $file"
done

Finish
