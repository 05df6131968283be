#!/usr/bin/env bash
# InstalledTree.sh BUILD APP_ID VERSION -- installs into a DESTDIR and checks the tree; installs into a prefix
# and removes it again, by the manifest and by the uninstall script, and sees nothing left behind.
set -euo pipefail
build=$1 id=$2
source "$(dirname "$0")/CheckTree.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== a staged installation below DESTDIR, default prefix"
DESTDIR="$work/stage" cmake --install "$build" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
CheckInstalledTree "$work/stage$prefix" "$build" "$id"
outside=$(cd "$work/stage" && find . -type f | grep -v "^\.$prefix/" || true)
[ -z "$outside" ] || Fail "files were installed outside the prefix $prefix: $outside"

echo "== xargs rm < install_manifest.txt removes every installed file"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
CheckInstalledTree "$work/prefix" "$build" "$id"
manifest=$build/install_manifest.txt
diff <(sort "$manifest") <(find "$work/prefix" \( -type f -o -type l \) | sort) >/dev/null ||
  Fail "install_manifest.txt does not list exactly the installed files"
xargs rm <"$manifest"
left=$(find "$work/prefix" \( -type f -o -type l \))
[ -z "$left" ] || Fail "files left behind after removing the manifest's files: $left"

echo "== the uninstall script also removes Quillora's own directories, and only those"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
mkdir -p "$work/prefix/share/applications" && touch "$work/prefix/share/applications/other.desktop"
cmake -P "$build/packaging/uninstall.cmake" >"$work/uninstall.log" || { cat "$work/uninstall.log"; exit 1; }
left=$(cd "$work/prefix" && find . \( -type f -o -type l \))
[ "$left" = ./share/applications/other.desktop ] || Fail "the uninstall script left or took the wrong files: $left"
for directory in share/quillora libexec/quillora; do
  [ ! -e "$work/prefix/$directory" ] || Fail "the uninstall script left $directory behind"
done

echo "== the uninstall script honours DESTDIR like the installation"
DESTDIR="$work/stage2" cmake --install "$build" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
DESTDIR="$work/stage2" cmake -P "$build/packaging/uninstall.cmake" >"$work/uninstall.log" || { cat "$work/uninstall.log"; exit 1; }
left=$(find "$work/stage2" \( -type f -o -type l \))
[ -z "$left" ] || Fail "files left behind below DESTDIR: $left"

Finish
