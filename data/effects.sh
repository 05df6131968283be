# effects.sh -- recipes for the sound effects of recordings.tsv, one sox function per file.
# Sourced by tools/make-data/make-effects.sh, which provides:
#   $fx       sox with fixed random seeds (-R), no dither (-D): same bytes every build
#   $tmp      a scratch directory for the parts of a recipe
#   finish IN OUT   levels IN to -3 dBFS and writes OUT as 22050 Hz mono 16-bit WAV
# Each function takes the output path. Lengths stay well under 4 s.

# wobble N CENTS SECONDS: arguments for sox's bend that swing the pitch up and back N times, each half
# swing taking SECONDS (sox has no vibrato effect of its own).
wobble() {
    awk -v n="$1" -v c="$2" -v s="$3" 'BEGIN { for (i = 0; i < n; i++) printf "0,%d,%s 0,-%d,%s ", c, s, c, s }'
}

# A short wooden "tock": a noise tick over a quickly dying 1.3 kHz tone.
klicke() {
    $fx -n -r 22050 -c 1 "$tmp/tick.wav" synth 0.006 whitenoise highpass 2000 fade q 0 0.006 0.005
    $fx -n -r 22050 -c 1 "$tmp/tone.wav" synth 0.05 sine 1300 fade q 0.001 0.05 0.048
    $fx -m "$tmp/tick.wav" "$tmp/tone.wav" "$tmp/click.wav"
    finish "$tmp/click.wav" "$1"
}

# A small car driving past: a rough low engine note whose cylinders fire about 25 times a second; it
# swells as the car comes, drops a little in pitch as it passes (Doppler) and fades as it goes.
auto() {
    $fx -n -r 22050 -c 1 "$tmp/engine.wav" synth 3.6 sawtooth 62-50 synth 3.6 sine amod 27-22 60 \
        vol 0.5 overdrive 12 vol 0.5 lowpass 1100 lowpass 1100
    $fx -n -r 22050 -c 1 "$tmp/rumble.wav" synth 3.6 brownnoise lowpass 400 vol 0.4
    $fx -m "$tmp/engine.wav" "$tmp/rumble.wav" "$tmp/car.wav" fade t 1.6 3.6 1.8
    finish "$tmp/car.wav" "$1"
}

# Flying up and away: an airy whoosh that swells and fades, with a slide whistle rising over it.
flug() {
    $fx -n -r 22050 -c 1 "$tmp/air.wav" synth 3.2 pinknoise bandpass 900 1.5o tremolo 0.6 40 \
        fade h 0.8 3.2 1.6
    $fx -n -r 22050 -c 1 "$tmp/whistle.wav" synth 3.2 sine 380-1500 synth 3.2 sine fmod 6 30 \
        vol 0.35 fade h 0.3 3.2 1.4
    $fx -m "$tmp/air.wav" "$tmp/whistle.wav" "$tmp/flight.wav"
    finish "$tmp/flight.wav" "$1"
}

# "Ribbit ribbit": each croak is two short trains of buzzing pulses, the second higher, through a
# throat-like band filter.
frosch() {
    $fx -n -r 22050 -c 1 "$tmp/rib.wav" synth 0.09 square 110 synth 0.09 square amod 50 100 \
        bandpass 700 1o lowpass 1600 fade q 0.005 0.09 0.02
    $fx -n -r 22050 -c 1 "$tmp/bit.wav" synth 0.14 square 150 synth 0.14 square amod 50 100 \
        bandpass 900 1o lowpass 1600 fade q 0.005 0.14 0.05
    $fx -n -r 22050 -c 1 "$tmp/gap.wav" trim 0 0.05
    $fx -n -r 22050 -c 1 "$tmp/rest.wav" trim 0 0.35
    $fx "$tmp/rib.wav" "$tmp/gap.wav" "$tmp/bit.wav" "$tmp/rest.wav" \
        "$tmp/rib.wav" "$tmp/gap.wav" "$tmp/bit.wav" "$tmp/croak.wav"
    finish "$tmp/croak.wav" "$1"
}

# A head being shaken: a boing that swings up and down in pitch eight times a second and sinks as it dies.
kopfsch() {
    $fx -n -r 22050 -c 1 "$tmp/tone.wav" synth 1.3 triangle 400-300 lowpass 2500
    $fx "$tmp/tone.wav" "$tmp/boing.wav" bend $(wobble 10 300 0.06) fade q 0.08 1.3 0.8
    finish "$tmp/boing.wav" "$1"
}

# Fear: a shivering "uh-oh", two falling notes that tremble fast in pitch and strength.
angst() {
    $fx -n -r 22050 -c 1 "$tmp/uh.wav" synth 0.32 triangle 520 fade h 0.03 0.32 0.06
    $fx -n -r 22050 -c 1 "$tmp/oh.wav" synth 1.1 triangle 392-370 fade h 0.03 1.1 0.6
    $fx -n -r 22050 -c 1 "$tmp/gap.wav" trim 0 0.06
    $fx "$tmp/uh.wav" "$tmp/gap.wav" "$tmp/oh.wav" "$tmp/uhoh.wav" \
        bend $(wobble 17 60 0.04) tremolo 12 60 lowpass 1800
    finish "$tmp/uhoh.wav" "$1"
}

# Out of breath after the jump: two quick breathy pants, "hah hah".
lauth2() {
    $fx -n -r 22050 -c 1 "$tmp/pant.wav" synth 0.22 pinknoise bandpass 1300 1.2o fade q 0.03 0.22 0.16
    $fx -n -r 22050 -c 1 "$tmp/gap.wav" trim 0 0.12
    $fx "$tmp/pant.wav" "$tmp/gap.wav" "$tmp/pant.wav" "$tmp/pants.wav"
    finish "$tmp/pants.wav" "$1"
}
