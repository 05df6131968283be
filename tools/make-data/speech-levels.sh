#!/bin/sh
# speech-levels.sh -- listening by proxy: the length, the silence before the voice starts, the peak and the
# RMS level of every spoken recording in each data directory named, and each directory's mean RMS, so a
# change to a voice or to the recipe table can be compared across languages without a loudspeaker.
# Usage: speech-levels.sh [-q] RECIPE-TABLE DIR...     (-q: only the mean of each directory)
# Levels are dBFS; "lead" is the time before the signal first reaches -30 dBFS.
set -eu
quiet=; [ "${1-}" = -q ] && { quiet=1; shift; }
table=$1; shift
here=$(dirname "$0")
. "$here/need.sh"
need sox sox

names=$(awk -F '\t' '!/^#/ && $2 != "effect" { print $1 }' "$table")
for dir in "$@"; do
    for name in $names; do
        file=$dir/$name.wav
        [ -f "$file" ] || { echo "speech-levels: $file is missing" >&2; exit 1; }
        # sox stat: length, peak and RMS amplitude; the lead is found by trimming up to -30 dBFS.
        rest=$(sox "$file" -n silence 1 0 -30d stat 2>&1 | awk '/^Length/ { print $3 }')
        sox "$file" -n stat 2>&1 | awk -v name="$name" -v dir="$dir" -v rest="$rest" '
            /^Length/ { length_s = $3 }
            /^Maximum amplitude/ { max = $3 }
            /^Minimum amplitude/ { min = -$3 }
            /^RMS +amplitude/ { rms = $3 }
            END {
                peak = max > min ? max : min
                printf "%s\t%s\t%.3f\t%.3f\t%.1f\t%.1f\n", dir, name, length_s, length_s - rest,
                       20 * log(peak) / log(10), 20 * log(rms) / log(10)
            }'
    done
done | awk -F '\t' -v quiet="$quiet" '
    BEGIN { if (!quiet) print "directory\trecording\tseconds\tlead\tpeak\trms" }
    { if (!quiet) print; sum[$1] += $6; count[$1]++; if (!($1 in order)) { order[$1] = ++dirs; name[dirs] = $1 } }
    END { for (i = 1; i <= dirs; i++) printf "%s\tmean rms %.1f dBFS over %d recordings\n", name[i], sum[name[i]] / count[name[i]], count[name[i]] }'
