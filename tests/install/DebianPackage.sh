#!/usr/bin/env bash
# DebianPackage.sh BUILD APP_ID VERSION SOURCE -- builds the Debian source and binary packages from debian/
# as a distribution does (tools/debian-build), without their tests (nocheck: this build tree runs them), and
# checks them: quillora holds the program and what the desktop shows of it, quillora-data everything below
# share/quillora; no file is in both, and together they hold what `cmake --install` installs below /usr,
# each with its own copyright and changelog. Then their control fields, that the program's dependencies
# name every library it needs (the OpenGL libraries SDL opens by itself included), and what Debian's own
# checks say: lintian --pedantic on the .changes (source and binaries), hardening-check on the program.
# Skipped (exit 77) where dpkg-buildpackage or debhelper is not installed.
set -euo pipefail
build=$1 id=$2 version=$3 source=$4
for tool in dpkg-buildpackage:dpkg-dev dh:debhelper; do
  command -v "${tool%%:*}" >/dev/null || {
    echo "SKIPPED: ${tool%%:*} is not installed (Debian package ${tool#*:}; tools/install-deps installs it)"
    exit 77
  }
done
source "$(dirname "$0")/CheckTree.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
arch=$(dpkg --print-architecture)
jobs=$(nproc)

echo "== dpkg-buildpackage, nocheck, parallel=$jobs"
start=$SECONDS
DEB_BUILD_OPTIONS="nocheck parallel=$jobs" "$source/tools/debian-build" "$work" -Pnocheck >"$work/build.log" 2>&1 || {
  tail -40 "$work/build.log"
  Fail "dpkg-buildpackage failed; the end of its log is above"
  Finish
}
echo "built in $((SECONDS - start)) s"
# nocheck builds neither the tests nor what only they use, and runs none; parallel=N reaches make.
grep -E '^\s*Start +[0-9]+: |Building CXX object tests/' "$work/build.log" | sed -n 1p | grep . &&
  Fail "a nocheck build built or ran tests"
grep -qE "^\s*cd obj-[^ ]* && make -j$jobs " "$work/build.log" || Fail "the build did not run make with -j$jobs"

program_deb=$work/quillora_${version}_$arch.deb data_deb=$work/quillora-data_${version}_all.deb
changes=$work/quillora_${version}_$arch.changes
for file in "$program_deb" "$data_deb" "$work/quillora-dbgsym_${version}_$arch.deb" "$changes" \
            "$work/quillora_$version.dsc"; do
  [ -f "$file" ] || Fail "dpkg-buildpackage did not make $(basename "$file"): $(cd "$work" && ls -d quillora*)"
done
[ "$failures" -eq 0 ] || Finish
for deb in "$program_deb" "$data_deb"; do
  echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, $(dpkg-deb -c "$deb" | grep -vc '^d') files"
done
# Eight languages' recordings fit a small download.
size=$(stat -c %s "$program_deb") data_size=$(stat -c %s "$data_deb")
[ $((size + data_size)) -lt 12000000 ] || Fail "the two packages are $((size + data_size)) bytes, not under 12 MB"

echo "== control fields"
Field() { dpkg-deb -f "$1" "$2"; }
for deb in "$program_deb" "$data_deb"; do
  package=$(basename "${deb%%_*}")
  [ "$(Field "$deb" Package)" = "$package" ] || Fail "$package: Package is '$(Field "$deb" Package)'"
  [ "$(Field "$deb" Version)" = "$version" ] || Fail "$package: Version is '$(Field "$deb" Version)'"
  [ "$(Field "$deb" Section)" = games ] || Fail "$package: Section is '$(Field "$deb" Section)'"
  [ -n "$(Field "$deb" Maintainer)" ] || Fail "$package names no maintainer"
  [ "$(Field "$deb" Description | wc -l)" -gt 2 ] || Fail "$package has no long description"
  long=$(awk 'length > 80' <<<"$(Field "$deb" Description)")
  [ -z "$long" ] || Fail "$package's description has lines longer than 80 columns: $long"
done
[ "$(Field "$program_deb" Architecture)" = "$arch" ] || Fail "quillora's Architecture is '$(Field "$program_deb" Architecture)'"
[ "$(Field "$data_deb" Architecture)" = all ] || Fail "quillora-data's Architecture is '$(Field "$data_deb" Architecture)'"
[ "$(Field "$data_deb" Multi-Arch)" = foreign ] || Fail "quillora-data is not Multi-Arch: foreign"
Field "$program_deb" Depends | tr ',' '\n' | grep -qx " *quillora-data (= $version)" ||
  Fail "quillora does not depend on quillora-data of its own version: $(Field "$program_deb" Depends)"

echo "== files: the program's and the data's apart, together the installation below /usr"
dpkg-deb -x "$program_deb" "$work/program"
dpkg-deb -x "$data_deb" "$work/data"
List() { (cd "$1" && find . ! -type d | sed 's|^\./||' | sort); }
both=$(comm -12 <(List "$work/program") <(List "$work/data"))
[ -z "$both" ] || Fail "files in both packages: $both"
misplaced=$(List "$work/data" | grep -v -e '^usr/share/quillora/' -e '^usr/share/doc/quillora-data/' || true)
[ -z "$misplaced" ] || Fail "quillora-data holds more than the data: $misplaced"
misplaced=$(List "$work/program" | grep '^usr/share/quillora/' || true)
[ -z "$misplaced" ] || Fail "quillora holds data files: $misplaced"
for deb in "$program_deb" "$data_deb"; do
  owners=$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)
  [ "$owners" = root/root ] || Fail "$(basename "$deb")'s files belong to $owners, not root/root"
done
for package in quillora quillora-data; do
  root=$work/program
  [ $package = quillora ] || root=$work/data
  cmp -s "$root/usr/share/doc/$package/copyright" "$source/debian/copyright" ||
    Fail "$package's copyright is not debian/copyright"
  zcat "$root/usr/share/doc/$package/changelog.gz" | cmp -s - "$source/debian/changelog" ||
    Fail "$package's changelog.gz is not debian/changelog"
done
file "$work/program/usr/libexec/quillora/quillora" | grep -q ', stripped' || Fail "the packaged program is not stripped"

# The two packages together, against this build's own installation; the data they made are compared
# file by file with this build's, so the data must come out the same from both builds.
mkdir "$work/together"
cp -a "$work/program/." "$work/data/." "$work/together/"
rm -r "$work/together/usr/share/doc/quillora-data"
languages=$(cd "$work/data/usr/share/quillora" && find . -mindepth 1 -maxdepth 1 -type d | sed 's|^\./||' | sort | tr '\n' ' ')
made=$(Languages "$build" | tr ' ' '\n' | sort | tr '\n' ' ')
if [ "$languages" != "$made" ] || [ ! -f "$work/program/usr/share/applications/$id.desktop" ]; then
  echo "SKIPPED: the comparison with this build's installation: it makes the languages '$made' under the" \
       "id $id, the packages the languages '$languages' under the default id"
else
  DESTDIR="$work/cmake" cmake --install "$build" --prefix /usr >"$work/install.log" || { cat "$work/install.log"; exit 1; }
  listing=$(diff <(List "$work/cmake") <(List "$work/together")) ||
    Fail "the packages' files differ from cmake --install's (< only installed, > only packaged):
$listing"
  CheckInstalledTree "$work/together/usr" "$build" "$id" "$version" /usr
fi

echo "== dependencies: $(Field "$program_deb" Depends)"
# Package names in Depends, alternatives included, without versions.
depends=$(Field "$program_deb" Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/^ *//; s/ *$//' | sort -u)
needed=$(objdump -p "$work/program/usr/libexec/quillora/quillora" | awk '$1 == "NEEDED" {print $2}')
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
    Fail "$library comes from $package, which quillora does not depend on"
  fi
done

echo "== lintian --pedantic on $(basename "$changes"): no error, no warning"
if command -v lintian >/dev/null; then
  # --allow-root: as root (as CI runs), lintian would otherwise begin with a warning of its own.
  verdict=$(lintian --pedantic --info --display-experimental --allow-root "$changes" 2>&1) || true
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
  hardening-check "${options[@]}" "$work/program/usr/libexec/quillora/quillora" || Fail "hardening-check finds protections missing"
else
  echo "SKIPPED: hardening-check is not installed (Debian package devscripts; tools/install-deps installs it)"
fi

Finish
