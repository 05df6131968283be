#!/bin/sh
# make-effects.sh -- makes every effect of the recipe table with sox, by the recipes in effects.sh.
# Usage: make-effects.sh RECIPE-TABLE EFFECT-RECIPES OUTDIR [NAME...]   (NAME...: only these effects)
set -eu
table=$1 recipes=$2 out=$3
shift 3
here=$(dirname "$0")
. "$here/need.sh"
need sox sox

mkdir -p "$out"
scratch=$(mktemp -d "$out/.effects.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# -R: fixed seeds for the noise generators; -D: no dither. Both keep the bytes the same from build to build.
fx="sox -R -D"
finish() {
    $fx "$1" -r 22050 -c 1 -b 16 -e signed-integer "$2" norm -3
}
. "$recipes"

for name in ${*:-$(awk -F '\t' '!/^#/ && $2 == "effect" { print $1 }' "$table")}; do
    tmp="$scratch/$name"
    mkdir -p "$tmp"
    "$name" "$out/$name.wav"
done
