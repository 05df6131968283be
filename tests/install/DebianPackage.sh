#!/usr/bin/env bash
# DebianPackage.sh BUILD APP_ID VERSION -- builds the Debian package with CPack and checks its name, its
# control fields, its files (the same tree as an installation below /usr), that its dependencies name
# every library the program needs, including the OpenGL libraries SDL opens by itself, and what Debian's own
# checks say of it: lintian and hardening-check, where they are installed.
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
[ "$size" -lt 12000000 ] || Fail "the package is $size bytes, not under 12 MB"

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
CheckInstalledTree "$work/root/usr" "$build" "$id" "$version" /usr
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

echo "== lintian --pedantic: no error, no warning"
if command -v lintian >/dev/null; then
  # --allow-root: as root (as CI runs), lintian would otherwise begin with a warning of its own.
  verdict=$(lintian --pedantic --info --display-experimental --allow-root "$deb" 2>&1) || true
  [ -z "$verdict" ] || echo "$verdict"
  grep -E '^(E|W): ' <<<"$verdict" >/dev/null && Fail "lintian reports errors or warnings"
else
  echo "SKIPPED: lintian is not installed (Debian package lintian; tools/install-deps installs it)"
fi

echo "== hardening-check on the packaged program"
if command -v hardening-check >/dev/null; then
  # A program can only be marked for control-flow protection when every object linked into it is marked.
  # Debian 12's C library start files (Scrt1.o, crti.o) are not, so no program built on it is (hardening-check
  # says the same of /usr/bin/ls there); the check is required wherever they are.
  options=()
  readelf -n "$(gcc -print-file-name=Scrt1.o)" | grep -q 'x86 feature: IBT, SHSTK' || options=(--nocfprotection)
  hardening-check "${options[@]}" "$work/root/usr/libexec/quillora/quillora" || Fail "hardening-check finds protections missing"
else
  echo "SKIPPED: hardening-check is not installed (Debian package devscripts; tools/install-deps installs it)"
fi

Finish
