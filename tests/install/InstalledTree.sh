#!/usr/bin/env bash
# InstalledTree.sh BUILD APP_ID VERSION -- installs into a DESTDIR and checks the tree; installs into a prefix
# and removes it again with the uninstall script, and sees nothing left behind and nothing else touched,
# least of all a file that a Debian package owns.
set -euo pipefail
build=$1 id=$2 version=$3
source "$(dirname "$0")/CheckTree.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== a staged installation below DESTDIR, default prefix"
DESTDIR="$work/stage" cmake --install "$build" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
CheckInstalledTree "$work/stage$prefix" "$build" "$id" "$version" "$prefix"
outside=$(cd "$work/stage" && find . -type f | grep -v "^\.$prefix/" || true)
[ -z "$outside" ] || Fail "files were installed outside the prefix $prefix: $outside"

echo "== an installation into a prefix, then the uninstall script"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
CheckInstalledTree "$work/prefix" "$build" "$id" "$version" "$work/prefix"
record=$build/quillora-installed.txt
diff <(sort "$record") <(find "$work/prefix" \( -type f -o -type l \) | sort) >/dev/null ||
  Fail "quillora-installed.txt does not list exactly the installed files"
mkdir -p "$work/prefix/share/applications" && touch "$work/prefix/share/applications/other.desktop"
cmake -P "$build/packaging/uninstall.cmake" >"$work/uninstall.log" || { cat "$work/uninstall.log"; exit 1; }
elsewhere=$(grep -E '^-- (Removing|Already gone|Keeping) ' "$work/uninstall.log" | grep -v -F "$work/prefix/" || true)
[ -z "$elsewhere" ] || Fail "the uninstall script went beyond the installation in $work/prefix: $elsewhere"
left=$(cd "$work/prefix" && find . \( -type f -o -type l \))
[ "$left" = ./share/applications/other.desktop ] || Fail "the uninstall script left or took the wrong files: $left"
for directory in share/quillora libexec/quillora share/doc/quillora; do
  [ ! -e "$work/prefix/$directory" ] || Fail "the uninstall script left $directory behind"
done

echo "== the uninstall script keeps a file that a Debian package owns"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
# A stand-in for dpkg's database, which knows one of the installed files as the package's.
mkdir "$work/bin"
cat >"$work/bin/dpkg-query" <<'QUERY'
#!/bin/sh
[ "$1" = --search ] && shift
for path; do
  case $path in */share/quillora/auto.wav) echo "quillora: $path" ;; *) echo "dpkg-query: no path found matching pattern $path" >&2 ;; esac
done
exit 1
QUERY
chmod +x "$work/bin/dpkg-query"
PATH="$work/bin:$PATH" cmake -P "$build/packaging/uninstall.cmake" >"$work/uninstall.log" || { cat "$work/uninstall.log"; exit 1; }
left=$(cd "$work/prefix" && find . -type f | sort | tr '\n' ' ')
[ "$left" = "./share/applications/other.desktop ./share/quillora/auto.wav " ] ||
  Fail "with auto.wav owned by a package, the uninstall script left: $left"
grep -q "Keeping $work/prefix/share/quillora/auto.wav: it belongs to the Debian package quillora" "$work/uninstall.log" ||
  Fail "the uninstall script did not say why it kept auto.wav: $(cat "$work/uninstall.log")"

echo "== the uninstall script honours DESTDIR like the installation"
DESTDIR="$work/stage2" cmake --install "$build" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
DESTDIR="$work/stage2" cmake -P "$build/packaging/uninstall.cmake" >"$work/uninstall.log" || { cat "$work/uninstall.log"; exit 1; }
left=$(find "$work/stage2" \( -type f -o -type l \))
[ -z "$left" ] || Fail "files left behind below DESTDIR: $left"

Finish
