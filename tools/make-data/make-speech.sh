#!/bin/sh
# make-speech.sh -- speaks every name, sound and word of the recipe table in one language into 22050 Hz mono
# 16-bit WAV.
# Usage: make-speech.sh RECIPE-TABLE LANGUAGE-TABLE LANGUAGE OUTDIR
# The language table names the voice: festival (English, the slt HTS voice) or espeak-ng. All lines of a
# language go through one festival run, since loading the voice is the slow part.
set -eu
table=$1 languages=$2 lang=$3 out=$4
here=$(dirname "$0")
. "$here/need.sh"

need sox sox
voice=$(awk -F '\t' -v lang="$lang" '!/^#/ && $1 == lang { print $3 }' "$languages")
: "${voice:=espeak-ng:$lang}"
case $voice in
festival:*)
    need festival festival
    voice=${voice#festival:}
    [ -d "/usr/share/festival/voices/$voice" ] || {
        echo "make-speech: the festival voice $voice is missing; install its Debian package (festvox-...)" >&2; exit 1; }
    engine=festival voice=${voice##*/} ;;
espeak-ng:*)
    need espeak-ng espeak-ng
    engine=espeak-ng voice=${voice#espeak-ng:} ;;
*)
    echo "make-speech: $languages gives $lang the voice '$voice'; use festival:VOICE or espeak-ng:VOICE" >&2; exit 1 ;;
esac

mkdir -p "$out"
work=$(mktemp -d "$out/.speech.XXXXXX")
trap 'rm -rf "$work"' EXIT

# file<TAB>kind<TAB>input<TAB>tempo for every spoken row, from the language's own column (the line that
# starts with #file names the columns); an entry's " ~T" is its tempo. Without a column of its own a
# language says each letter by itself (so names and sounds alike) and the words, questions and cheers in
# German. A sentence's {FILE} says an earlier row's letter in its place, as that row says it: its phonemes
# for espeak-ng, its lexicon entry for festival, so one recording speaks the whole sentence.
awk -F '\t' -v lang="$lang" -v engine="$engine" '
    $1 == "#file" { for (i = 1; i <= NF; i++) column[$i] = i; next }
    /^#/ || $2 == "effect" { next }
    {
        if (lang in column) input = $(column[lang])
        else if ($2 == "word" || $2 == "question" || $2 == "cheer") input = $(column["de"])
        else { letter = $1; sub(/^laut2?/, "", letter); input = toupper(substr(letter, 1, 1)) }
        tempo = 1
        if (match(input, / ~[0-9.]+$/)) { tempo = substr(input, RSTART + 2); input = substr(input, 1, RSTART - 1) }
        if (input == "" || input == "-") { print "make-speech: " $1 " has no " lang " entry" > "/dev/stderr"; exit 1 }
        said[$1] = input
        while (match(input, /\{[a-z0-9]+\}/)) {
            name = substr(input, RSTART + 1, RLENGTH - 2)
            if (!(name in said)) { print "make-speech: " $1 " says {" name "}, which no row above it makes" > "/dev/stderr"; exit 1 }
            if (engine == "festival") { word = "quillora" name; gsub(/[0-9]/, "x", word) } else word = said[name]
            input = substr(input, 1, RSTART - 1) word substr(input, RSTART + RLENGTH)
        }
        print $1 "\t" $2 "\t" input "\t" tempo
    }' "$table" > "$work/all"

# A sound the language does not say (effect:NAME) is that effect, made here by its own recipe, so it has
# the same bytes as the shared effect without waiting for it.
grep -v "$(printf '\t')effect:" "$work/all" > "$work/lines" || true
grep "$(printf '\t')effect:" "$work/all" | cut -f1,3 | while IFS="$(printf '\t')" read -r name input; do
    effect=${input#effect:}
    grep -q "^$effect$(printf '\t')effect" "$table" || {
        echo "make-speech: $name in $lang is effect:$effect, which the table has no effect called" >&2; exit 1; }
    sh "$here/make-effects.sh" "$table" "$(dirname "$table")/effects.sh" "$work" "$effect"
    mv "$work/$effect.wav" "$out/$name.wav"
done

if [ "$engine" = festival ]; then
    # One scheme script: each line becomes a lexicon entry of its own (phones) or plain text, so a lone
    # letter is spoken as itself and never as the article "a".
    {
        echo "(voice_$voice)"
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
    # espeak-ng is quick; two at a time keeps both cores busy. It speaks a slow tempo itself, down to its
    # slowest pace (80 words a minute against the usual 130); sox stretches whatever remains.
    awk -F '\t' '{ speed = int(130 * $4 + 0.5); if (speed < 80) speed = 80; printf "%s\t%d\t%s\n", $1, speed, $3 }' \
        "$work/lines" | while IFS="$(printf '\t')" read -r name speed input; do
            printf '%s\0-w\0%s\0%s\0' "$speed" "$work/$name.raw.wav" "$input"
        done | xargs -0 -n 4 -P 2 espeak-ng -v "$voice" -s
    awk -F '\t' '{ rest = 130 * $4 / 80; if (rest > 1) rest = 1; printf "%s\t%s\t%s\t%.3g\n", $1, $2, $3, rest }' \
        "$work/lines" > "$work/rest" && mv "$work/rest" "$work/lines"
fi

# Trim the voice's silence (a name should follow the mouse at once), even out the level and resample.
# A tempo that the voice did not speak itself stretches the trimmed sound.
# The game's questions and cheers are whole sentences, 416 of them in eight languages: 4-bit IMA ADPCM, which
# SDL reads as it reads PCM, keeps them to a quarter of the size (the package stays under 12 MB); the letters
# and words stay 16-bit PCM.
# -R fixes sox's random seeds and -D turns off dither, so two builds give the same bytes.
cut -f1,2,4 "$work/lines" | while IFS="$(printf '\t')" read -r name kind tempo; do
    [ -s "$work/$name.raw.wav" ] || { echo "make-speech: no speech came out for $name" >&2; exit 1; }
    printf '%s\0%s\0%s\0' "$name" "$kind" "$tempo"
done | xargs -0 -n 3 -P 2 sh -c '
    work=$0 out=$1 name=$2 kind=$3 tempo=$4
    stretch=; [ "$tempo" = 1 ] || stretch="tempo -s $tempo"
    encoding="-b 16 -e signed-integer"
    case $kind in question|cheer) encoding="-e ima-adpcm" ;; esac
    sox -R -D "$work/$name.raw.wav" -c 1 $encoding "$out/$name.wav" \
        norm -1 silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse $stretch norm -1 rate -v 22050 pad 0.03 0.06
' "$work" "$out"
