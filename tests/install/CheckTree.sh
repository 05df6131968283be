# CheckTree.sh -- sourced by the install tests: checks an installed Quillora tree against the build it came from.

failures=0
Fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The languages the build made, the first being the default.
Languages() { cat "$1/data/languages.txt"; }

# The files an installation below ROOT (a prefix) must hold, one per line, relative to ROOT: the launcher,
# the program, the shared data files, every language's directory as the build made it, the desktop files,
# the man page, the copyright and changelog.
ExpectedFiles() {
  local build=$1 id=$2 file size language
  echo games/quillora
  echo libexec/quillora/quillora
  for file in texstone1.raw startscreen.gif bkgnd1.jpg mainicon.bmp; do echo "share/quillora/$file"; done
  for file in "$build"/data/*.wav; do [ -L "$file" ] || echo "share/quillora/$(basename "$file")"; done
  for language in $(Languages "$build"); do
    for file in "$build/data/$language"/*; do echo "share/quillora/$language/$(basename "$file")"; done
  done
  echo "share/applications/$id.desktop"
  echo "share/metainfo/$id.metainfo.xml"
  for file in "$build"/data/icons/quillora-*.png; do
    size=${file##*quillora-}; size=${size%.png}
    echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
  done
  echo share/man/man6/quillora.6.gz
  echo share/doc/quillora/copyright
  echo share/doc/quillora/changelog.gz
}

# CheckInstalledTree ROOT BUILD APP_ID VERSION PREFIX: every file where it belongs and nothing else, with the right
# modes and contents; the launcher's paths lead to the program and the data; the desktop files pass their
# validators; the licence is stated and the man page names the paths below PREFIX, where ROOT will be in use.
CheckInstalledTree() {
  local root=$1 build=$2 id=$3 version=$4 prefix=$5 file size mode

  [ -n "$(ls "$build"/data/*.wav 2>/dev/null)" ] || { Fail "the build made no recordings in $build/data"; return; }
  [ -n "$(Languages "$build")" ] || { Fail "the build names no languages in $build/data/languages.txt"; return; }
  [ -n "$(ls "$build"/data/icons/quillora-*.png 2>/dev/null)" ] || { Fail "the build made no icons in $build/data/icons"; return; }

  local listing
  listing=$(diff <(ExpectedFiles "$build" "$id" | sort) <(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)) ||
    Fail "the installed files differ from the expected ones (< missing, > unexpected):
$listing"

  for file in games/quillora libexec/quillora/quillora; do
    [ -f "$root/$file" ] || continue
    mode=$(stat -c %a "$root/$file")
    [ "$mode" = 755 ] || Fail "$file has mode $mode, not 755"
  done
  while read -r file; do
    case $file in games/quillora|libexec/quillora/quillora) continue ;; esac
    [ -f "$root/$file" ] && [ ! -L "$root/$file" ] || continue
    mode=$(stat -c %a "$root/$file")
    [ "$mode" = 644 ] || Fail "$file has mode $mode, not 644"
  done < <(ExpectedFiles "$build" "$id")

  # Every file is the one the build made; in a language's directory the shared files are relative links
  # to the data directory's own, never copies, and its recordings are its own.
  local language target
  while read -r file; do
    case $file in share/quillora/*) ;; *) continue ;; esac
    [ -e "$root/$file" ] || continue
    cmp -s "$build/data/${file#share/quillora/}" "$root/$file" || Fail "$file is not the file the build made"
    if [ -L "$root/$file" ]; then
      target=$(readlink "$root/$file")
      [ "$target" = "../$(basename "$file")" ] && [ -f "$root/share/quillora/$(basename "$file")" ] ||
        Fail "$file links to '$target', not to the shared file beside its directory"
    fi
  done < <(ExpectedFiles "$build" "$id")
  for language in $(Languages "$build"); do
    for file in texstone1.raw startscreen.gif bkgnd1.jpg mainicon.bmp; do
      [ -L "$root/share/quillora/$language/$file" ] || Fail "share/quillora/$language/$file is not a link to the shared $file"
    done
    [ -f "$root/share/quillora/$language/laut2a.wav" ] && [ ! -L "$root/share/quillora/$language/laut2a.wav" ] ||
      Fail "share/quillora/$language has no letter names of its own"
  done
  for file in "$build"/data/icons/quillora-*.png; do
    size=${file##*quillora-}; size=${size%.png}
    file="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$file" ] || continue
    [ "$(identify -format '%wx%h' "$file")" = "${size}x${size}" ] || Fail "the ${size}x${size} icon is $(identify -format '%wx%h' "$file")"
  done

  # The launcher names the program and the data relative to itself.
  local launcher=$root/games/quillora relative
  if [ -f "$launcher" ]; then
    relative=$(sed -n 's|^data="\$here/\(.*\)"$|\1|p' "$launcher")
    [ -n "$relative" ] && [ -f "$root/games/$relative/startscreen.gif" ] ||
      Fail "the launcher's data directory '$relative' does not lead to the installed data"
    relative=$(sed -n 's|^program="\$here/\(.*\)"$|\1|p' "$launcher")
    [ -n "$relative" ] && [ -x "$root/games/$relative" ] && cmp -s "$root/games/$relative" "$root/libexec/quillora/quillora" ||
      Fail "the launcher's program '$relative' is not the installed program"
    bash -n "$launcher" || Fail "the launcher is not a valid bash script"
  fi

  local desktop=$root/share/applications/$id.desktop metainfo=$root/share/metainfo/$id.metainfo.xml
  if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" | grep -v ': hint: ' || true
    desktop-file-validate "$desktop" >/dev/null || Fail "desktop-file-validate rejects $id.desktop"
    grep -qx 'Exec=quillora' "$desktop" || Fail "the desktop entry does not start the launcher on the PATH"
    grep -qx "Icon=$id" "$desktop" || Fail "the desktop entry's icon is not $id"
    grep -qx 'Categories=Game;KidsGame;Education;' "$desktop" || Fail "the desktop entry's categories are not Game;KidsGame;Education;"
    grep -qx "StartupWMClass=$id" "$desktop" || Fail "the desktop entry does not expect the window class $id"
    # Every action of the entry is there and translated into each language its generic name is.
    local action
    for action in 'Exec=quillora --fullscreen' 'Exec=quillora --game names' 'Exec=quillora --game sounds'; do
      grep -qx "$action" "$desktop" || Fail "the desktop entry has no action '$action'"
    done
    [ "$(grep -c '^Name\[' "$desktop")" = "$((3 * $(grep -c '^GenericName\[' "$desktop")))" ] ||
      Fail "the desktop entry's actions are not translated like its name"
  fi
  if [ -f "$metainfo" ]; then
    local verdict
    verdict=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1) || Fail "appstreamcli rejects the metainfo: $verdict"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || Fail "the metainfo does not launch $id.desktop"
    grep -q '<content_rating type="oars-1.1"' "$metainfo" || Fail "the metainfo has no OARS content rating"
    grep -q '<internet>offline-only</internet>' "$metainfo" || Fail "the metainfo does not say the program works offline"
    grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || Fail "the metainfo's project licence is not GPL-3.0-or-later"
    grep -q '<metadata_license>CC0-1.0</metadata_license>' "$metainfo" || Fail "the metainfo's own licence is not CC0-1.0"
    grep -q '@[A-Z_]*@' "$metainfo" "$desktop" "$launcher" && Fail "a template word was left unfilled: $(grep -o '@[A-Z_]*@' "$metainfo" "$desktop" "$launcher")"
  fi

  local man=$root/share/man/man6/quillora.6.gz text warnings
  if [ -f "$man" ]; then
    text=$(zcat "$man") || Fail "the man page is not gzip-compressed"
    warnings=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z <<<"$text" 2>&1) || Fail "groff cannot read the man page"
    [ -z "$warnings" ] || Fail "groff warns about the man page: $warnings"
    grep -q '^\.TH QUILLORA 6 ' <<<"$text" || Fail "the man page is not in section 6"
    grep -q '@[A-Z_]*@' <<<"$text" && Fail "the man page has an unfilled template word"
    # Its FILES section names the data and the program where this installation put them.
    for file in share/quillora libexec/quillora/quillora; do
      grep -qxF ".I ${prefix//-/\\-}/${file//-/\\-}" <<<"$text" ||
        Fail "the man page does not name $prefix/$file: $(grep '^\.I /' <<<"$text" | tr '\n' ' ')"
    done
  fi

  # The licence: a machine-readable copyright file that puts the whole under GPL-3+, and a Debian changelog
  # whose newest entry is the release the metainfo and the man page name.
  local copyright=$root/share/doc/quillora/copyright changelog=$root/share/doc/quillora/changelog.gz released
  if [ -f "$copyright" ]; then
    sed -n 1p "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
      Fail "the copyright file is not in Debian's machine-readable format"
    grep -A2 -x 'Files: \*' "$copyright" | grep -qx 'License: GPL-3+' || Fail "the copyright file does not put Files: * under GPL-3+"
  fi
  if [ -f "$changelog" ]; then
    released=$(zcat "$changelog" | sed -n 's/^ -- .*>  \(.*\)$/\1/p' | sed -n 1p)
    released=$(date -u -d "$released" +%F 2>/dev/null) || Fail "the changelog's newest entry has no date"
    zcat "$changelog" | sed -n 1p | grep -qF "quillora ($version) " ||
      Fail "the changelog's newest entry is not version $version: $(zcat "$changelog" | sed -n 1p)"
    [ ! -f "$metainfo" ] || grep -qF "<release version=\"$version\" date=\"$released\">" "$metainfo" ||
      Fail "the metainfo's release is not version $version of $released, the changelog's newest entry"
    [ ! -f "$man" ] || zcat "$man" | grep -qF ".TH QUILLORA 6 \"$released\" \"Quillora $version\"" ||
      Fail "the man page is not dated $released, the changelog's newest entry"
  fi
  return 0
}

# Finish: the number of failures decides the exit status.
Finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}
