#!/bin/sh
# make-speech.sh -- speaks every name, sound and word of the recipe table into 22050 Hz mono 16-bit WAV.
# Usage: make-speech.sh RECIPE-TABLE LANGUAGE OUTDIR
# English uses festival's slt HTS voice (the most natural English voice Debian has); every other language
# uses espeak-ng. All lines of a language go through one festival run, since loading the voice is the slow part.
set -eu
table=$1 lang=$2 out=$3
here=$(dirname "$0")
. "$here/need.sh"

need sox sox
if [ "$lang" = en ]; then
    need festival festival
    voice=/usr/share/festival/voices/us/cmu_us_slt_arctic_hts
    [ -d "$voice" ] || { echo "make-speech: the festival voice cmu_us_slt_arctic_hts is missing; install the Debian package festvox-us-slt-hts" >&2; exit 1; }
else
    need espeak-ng espeak-ng
fi

mkdir -p "$out"
work=$(mktemp -d "$out/.speech.XXXXXX")
trap 'rm -rf "$work"' EXIT

# file<TAB>kind<TAB>input<TAB>tempo for every spoken row, with the input of the chosen language.
awk -F '\t' -v lang="$lang" '
    /^#/ || NF < 6 || $2 == "effect" { next }
    {
        if (lang == "en") { input = $3; tempo = $4 }
        else if (lang == "de") { input = $5; tempo = 1 }
        else if ($2 == "word") { input = $5; tempo = 1 }
        else { letter = $1; sub(/^laut2?/, "", letter); input = toupper(substr(letter, 1, 1)); tempo = 1 }
        print $1 "\t" $2 "\t" input "\t" tempo
    }' "$table" > "$work/lines"

if [ "$lang" = en ]; then
    # One scheme script: each line becomes a lexicon entry of its own (phones) or plain text, so a lone
    # letter is spoken as itself and never as the article "a".
    {
        echo '(voice_cmu_us_slt_arctic_hts)'
        echo '(define (quillora-say file word syllables)'
        echo '  (if syllables (lex.add.entry (list word nil syllables)))'
        echo '  (utt.save.wave (utt.synth (eval (list (quote Utterance) (quote Text) word))) file (quote riff)))'
        awk -F '\t' -v dir="$work" '
            {
                if (substr($3, 1, 5) == "text:") { word = substr($3, 6); syl = "nil" }
                else { word = "quillora" $1; gsub(/[0-9]/, "x", word); syl = "(quote (" $3 "))" }
                gsub(/"/, "", word)
                printf "(quillora-say \"%s/%s.raw.wav\" \"%s\" %s)\n", dir, $1, word, syl
            }' "$work/lines"
    } > "$work/speak.scm"
    festival -b "$work/speak.scm" > "$work/festival.log" 2>&1 || { cat "$work/festival.log" >&2; exit 1; }
else
    # espeak-ng is quick; two at a time keeps both cores busy.
    cut -f1,3 "$work/lines" | while IFS="$(printf '\t')" read -r name input; do
        printf '%s\0%s\0' "$work/$name.raw.wav" "$input"
    done | xargs -0 -n 2 -P 2 espeak-ng -v "$lang" -s 130 -w
fi

# Trim the voice's silence (a name should follow the mouse at once), even out the level and resample.
# -R fixes sox's random seeds and -D turns off dither, so two builds give the same bytes.
cut -f1,4 "$work/lines" | while IFS="$(printf '\t')" read -r name tempo; do
    [ -s "$work/$name.raw.wav" ] || { echo "make-speech: no speech came out for $name" >&2; exit 1; }
    printf '%s\0%s\0' "$name" "$tempo"
done | xargs -0 -n 2 -P 2 sh -c '
    work=$0 out=$1 name=$2 tempo=$3
    stretch=; [ "$tempo" = 1 ] || stretch="tempo -s $tempo"
    sox -R -D "$work/$name.raw.wav" -c 1 -b 16 -e signed-integer "$out/$name.wav" \
        norm -1 silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse $stretch norm -1 rate -v 22050 pad 0.03 0.06
' "$work" "$out"
