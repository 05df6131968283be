#!/usr/bin/env bash
# DebianPackage.sh BUILD APP_ID VERSION -- builds the Debian package with CPack and checks its name, its
# control fields, its files (the same tree as an installation below /usr) and that its dependencies name
# every library the program needs, including the OpenGL libraries SDL opens by itself.
set -euo pipefail
build=$1 id=$2 version=$3
source "$(dirname "$0")/CheckTree.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
arch=$(dpkg --print-architecture)
deb=$work/out/quillora_${version}_$arch.deb
made=$(cd "$work/out" && ls ./*.deb)
[ -f "$deb" ] || { Fail "CPack made $made, not quillora_${version}_$arch.deb"; Finish; }

# Eight languages' recordings fit a small download.
size=$(stat -c %s "$deb")
[ "$size" -lt 10000000 ] || Fail "the package is $size bytes, not under 10 MB"

echo "== control fields"
Field() { dpkg-deb -f "$deb" "$1"; }
[ "$(Field Package)" = quillora ] || Fail "Package is '$(Field Package)'"
[ "$(Field Version)" = "$version" ] || Fail "Version is '$(Field Version)'"
[ "$(Field Architecture)" = "$arch" ] || Fail "Architecture is '$(Field Architecture)'"
[ "$(Field Section)" = games ] || Fail "Section is '$(Field Section)'"
[ -n "$(Field Maintainer)" ] || Fail "the package names no maintainer"
[ "$(Field Description | wc -l)" -gt 2 ] || Fail "the package has no long description"
long=$(awk 'length > 80' <<<"$(Field Description)")
[ -z "$long" ] || Fail "the description has lines longer than 80 columns: $long"

echo "== files: the installed tree below /usr, owned by root"
dpkg-deb -x "$deb" "$work/root"
CheckInstalledTree "$work/root/usr" "$build" "$id"
outside=$(cd "$work/root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || Fail "the package installs outside /usr: $outside"
owners=$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)
[ "$owners" = root/root ] || Fail "the package's files belong to $owners, not root/root"
file "$work/root/usr/libexec/quillora/quillora" | grep -q ', stripped' || Fail "the packaged program is not stripped"

echo "== dependencies: $(Field Depends)"
# Package names in Depends, alternatives included, without versions.
depends=$(Field Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/^ *//; s/ *$//' | sort -u)
needed=$(objdump -p "$work/root/usr/libexec/quillora/quillora" | awk '$1 == "NEEDED" {print $2}')
[ -n "$needed" ] || Fail "objdump found no libraries in the packaged program"
# The libraries SDL opens itself for OpenGL under X11 and Wayland count too; only this architecture's copies.
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
patterns=()
for library in $needed libGL.so.1 libEGL.so.1; do patterns+=("*/$multiarch/$library"); done
holders=$(dpkg -S "${patterns[@]}" 2>/dev/null || true)
for library in $needed libGL.so.1 libEGL.so.1; do
  package=$(grep "/$multiarch/$library\$" <<<"$holders" | sed 's/[:,].*//' | sort -u | sed -n 1p)
  if [ -z "$package" ]; then
    Fail "no installed Debian package holds $library"
  elif ! grep -qx "$package" <<<"$depends"; then
    Fail "$library comes from $package, which the package does not depend on"
  fi
done

Finish
