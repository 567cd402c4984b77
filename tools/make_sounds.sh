#!/usr/bin/env bash
# Synthesises every sound the game plays: the sixteen cues as
# assets/sounds/<cue>.wav and the three pieces of music as
# assets/music/<name>.mp3. Everything is made here from sine, square,
# sawtooth, plucked-string and noise generators; nothing is sampled.
#
# Cues: mono 44.1 kHz 16-bit, peak -6 dBFS, soft-edged so they never click.
# Music: quiet (about -24 dBFS RMS) so that speech stays clear above it, and
# built as an exact loop: the notes still ringing past the end of the last bar
# are folded back onto the start, so the piece repeats without a seam.
#
# Needs sox and lame. Run from anywhere; the output is deterministic.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
sounds=$root/assets/sounds
music=$root/assets/music
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$sounds" "$music"

readonly rate=44100
# Work files are 32-bit float so that mixing never clips before the final level.
readonly work_format=(-r "$rate" -c 1 -e floating-point -b 32)

sx() { sox -R -D -V1 "$@"; }

# voice NAME LEN WAVE FREQ [effects...]: one synthesised voice.
voice() {
  local name=$1 len=$2 wave=$3 freq=$4
  shift 4
  sx -n "${work_format[@]}" "$work/$name.wav" synth "$len" "$wave" "$freq" "$@"
}

# noise NAME LEN COLOUR [effects...]: a burst of noise.
noise() {
  local name=$1 len=$2 colour=$3
  shift 3
  sx -n "${work_format[@]}" "$work/$name.wav" synth "$len" "$colour" "$@"
}

# bell NAME LEN NOTE: a struck tone — a quick strike settling into a gentle
# ring — with two softer overtones that fade first.
bell() {
  local name=$1 len=$2 freq
  freq=$(hz "$3")
  voice "$name.strike" "$len" sine "$freq" fade l 0.003 "$len" "$len"
  voice "$name.ring" "$len" sine "$freq" fade h 0.003 "$len" "$len"
  voice "$name.octave" "$len" sine "$(calc "$freq * 2")" fade l 0.002 "$len" "$len"
  voice "$name.twelfth" "$len" sine "$(calc "$freq * 3.01")" fade l 0.002 "$(calc "$len * 0.5")" \
    "$(calc "$len * 0.5")"
  mix "$name" "$name.strike:0.4" "$name.ring:0.25" "$name.octave:0.2" "$name.twelfth:0.1"
}

# pluck NAME LEN NOTE: a plucked string that dies away by itself.
pluck() {
  local name=$1 len=$2 note=$3
  voice "$name" "$len" pluck "$note" lowpass 5000 fade h 0.002 "$len" "$(calc "$len * 0.4")"
}

calc() { awk "BEGIN { printf \"%.6f\", $1 }"; }

# hz NOTE: the frequency of a note such as A4, F#5 or Eb3, or of a plain number.
hz() {
  awk -v n="$1" 'BEGIN {
    if (n ~ /^[0-9.]+$/) { printf "%.6f", n; exit }
    semis = index("C D EF G A B", substr(n, 1, 1)) - 1
    rest = substr(n, 2)
    if (substr(rest, 1, 1) == "#") { semis++; rest = substr(rest, 2) }
    else if (substr(rest, 1, 1) == "b") { semis--; rest = substr(rest, 2) }
    printf "%.6f", 440 * 2 ^ ((semis - 9 + 12 * (rest - 4)) / 12)
  }'
}

# mix OUT PART[:VOLUME[:DELAY]]...: sums the parts, each started DELAY seconds in.
mix() {
  local out=$1 entry part volume delay
  shift
  local inputs=()
  for entry in "$@"; do
    IFS=: read -r part volume delay <<<"$entry"
    volume=${volume:-1}
    delay=${delay:-0}
    if [[ $delay != 0 ]]; then
      sx "$work/$part.wav" "$work/$part.at$delay.wav" pad "$delay"
      part=$part.at$delay
    fi
    inputs+=(-v "$volume" "$work/$part.wav")
  done
  if ((${#inputs[@]} == 2)); then
    sx "${inputs[@]}" "$work/$out.wav"
  else
    sx -m "${inputs[@]}" "$work/$out.wav"
  fi
}

# cue NAME PART [PEAK_DB]: writes the finished cue, peaking at -6 dBFS unless
# told otherwise, with clean edges.
cue() {
  local name=$1 part=$2 peak=${3:--6}
  sx "$work/$part.wav" -b 16 -e signed-integer "$sounds/$name.wav" \
    fade h 0.002 -0 0.012 gain -n "$peak"
}

# ---------------------------------------------------------------------------
# Cues. Families help the ear: bells say "your turn", blips pick and put back
# cards for the exchange, noise is cards moving, low rough tones are refusals
# and bad news.

# start: a match begins — a whoosh sweeping up into a bright bell.
voice start.sweep 0.24 sine G4/G6 fade q 0.01 0.24 0.08
bell start.bell 0.26 G6
mix start.all start.sweep:0.5 start.bell:0.9:0.16
cue start start.all

# begin: a new hand is dealt — a quick riffle of card flicks.
parts=()
for i in 0 1 2 3 4 5; do
  noise begin.tick$i 0.018 whitenoise bandpass 3200 1.2q fade h 0.001 0.018 0.014
  parts+=("begin.tick$i:$(calc "1 - $i * 0.08"):$(calc "$i * 0.055 + 0.001")")
done
mix begin.all "${parts[@]}"
cue begin begin.all

# place: your turn, cards already lie on the table — a falling "ding-dong".
bell place.hi 0.26 E5
bell place.lo 0.27 C5
mix place.all place.hi place.lo::0.13
cue place place.all

# close: your turn to lead — one clear bell.
bell close.all 0.4 A5
cue close close.all

# putpig: the queen of spades lands — a low nasal grunt sliding down.
voice putpig.grunt 0.34 sawtooth 330:160 bandpass 800 0.8q lowpass 2000 tremolo 28 50 \
  fade h 0.02 0.34 0.12
cue putpig putpig.grunt

# putheart: the first heart of the hand — a sparkling high cascade.
bell putheart.1 0.18 B6
bell putheart.2 0.2 G#6
bell putheart.3 0.28 E6
mix putheart.all putheart.1 putheart.2::0.06 putheart.3::0.12
cue putheart putheart.all

# win1: you won the hand — a rising major arpeggio.
parts=()
notes=(C5 E5 G5 C6)
for i in 0 1 2 3; do
  pluck win1.n$i 0.6 "${notes[$i]}"
  voice win1.s$i 0.5 triangle "${notes[$i]}" fade h 0.005 0.5 0.4
  parts+=("win1.n$i:0.7:$(calc "$i * 0.12 + 0.001")" "win1.s$i:0.18:$(calc "$i * 0.12 + 0.001")")
done
mix win1.all "${parts[@]}"
cue win1 win1.all

# win2: you took every point card — a wider rising arpeggio into a full chord.
parts=()
notes=(C4 E4 G4 C5 E5 G5)
for i in 0 1 2 3 4 5; do
  pluck win2.n$i 0.5 "${notes[$i]}"
  parts+=("win2.n$i:0.6:$(calc "$i * 0.08 + 0.001")")
done
for note in C5 E5 G5 C6; do
  pluck win2.c$note 0.72 "$note"
  voice win2.p$note 0.72 triangle "$note" fade h 0.03 0.72 0.5
  parts+=("win2.c$note:0.5:0.48" "win2.p$note:0.12:0.48")
done
mix win2.all "${parts[@]}"
cue win2 win2.all

# lose1: another player won the hand — a slow falling minor line.
parts=()
notes=(G4 Eb4 C4)
for i in 0 1 2; do
  voice lose1.n$i 0.4 triangle "${notes[$i]}" fade h 0.02 0.4 0.3
  parts+=("lose1.n$i:0.8:$(calc "$i * 0.2 + 0.001")")
done
mix lose1.all "${parts[@]}"
cue lose1 lose1.all

# lose2: another player took every point card — a longer fall to a dark chord.
parts=()
notes=(C5 G4 Eb4 C4)
for i in 0 1 2 3; do
  voice lose2.n$i 0.36 triangle "${notes[$i]}" fade h 0.02 0.36 0.26
  parts+=("lose2.n$i:0.8:$(calc "$i * 0.16 + 0.001")")
done
for note in C3 G3 Eb4; do
  voice lose2.c$note 0.58 sawtooth "$note" lowpass 900 tremolo 5 30 fade h 0.04 0.58 0.42
  parts+=("lose2.c$note:0.35:0.62")
done
mix lose2.all "${parts[@]}"
cue lose2 lose2.all

# ban: refused — two short, harsh, low buzzes. Nothing else sounds like it.
# Two square waves a little apart beat against each other; the top is rounded
# off so that the buzz is rough without being piercing.
voice ban.a 0.09 square 110 lowpass 3500 fade h 0.003 0.09 0.008
voice ban.b 0.09 square 117 lowpass 3500 fade h 0.003 0.09 0.008
mix ban.buzz ban.a:0.5 ban.b:0.5
mix ban.all ban.buzz ban.buzz::0.14
cue ban ban.all

# click2: the cursor hit the first or last card — a hollow wooden knock.
voice click2.body 0.06 sine 1150 fade l 0.001 0.06 0.058
voice click2.ring 0.03 sine 2950 fade l 0.001 0.03 0.029
mix click2.all click2.body:0.8 click2.ring:0.3
cue click2 click2.all

# choose: a card picked for the exchange — a short blip going up.
voice choose.all 0.1 sine 660/990 fade h 0.008 0.1 0.03
# A pure tone sounds louder than a decaying one of the same peak: a little lower.
cue choose choose.all -9

# cancel: a picked card put back — the same blip going down.
voice cancel.all 0.1 sine 990/660 fade h 0.008 0.1 0.03
cue cancel cancel.all -9

# exchange: cards change hands — three swishes and a closing bell.
parts=()
for i in 0 1 2; do
  noise exchange.swish$i 0.16 pinknoise bandpass "$((1500 + i * 500))" 0.7q \
    fade q 0.07 0.16 0.08
  parts+=("exchange.swish$i:0.6:$(calc "$i * 0.17 + 0.001")")
done
bell exchange.b1 0.5 C6
bell exchange.b2 0.5 G5
parts+=("exchange.b1:0.8:0.56" "exchange.b2:0.8:0.56")
mix exchange.all "${parts[@]}"
cue exchange exchange.all

# locate: your card is on the table — a soft slap with a little body.
noise locate.slap 0.04 whitenoise lowpass 2500 fade h 0.001 0.04 0.035
voice locate.body 0.09 sine 170 fade l 0.002 0.09 0.085
mix locate.all locate.slap:0.7 locate.body:0.6
cue locate locate.all

# ---------------------------------------------------------------------------
# Music. A piece is a list of events "BEAT INSTRUMENT NOTE BEATS VOLUME", with
# beats counted from 0; it loops after LOOP beats.

# music_piece NAME BPM LOOP EVENTS_FILE
music_piece() {
  local name=$1 bpm=$2 loop_beats=$3 events=$4
  local beat_seconds loop_samples parts=() n=0
  beat_seconds=$(calc "60 / $bpm")
  loop_samples=$(awk "BEGIN { printf \"%d\", $loop_beats * 60 / $bpm * $rate }")
  local beat instrument note beats volume seconds start
  while read -r beat instrument note beats volume; do
    [[ -z $beat || $beat == \#* ]] && continue
    seconds=$(calc "$beats * $beat_seconds")
    start=$(calc "$beat * $beat_seconds + 0.0001")
    case $instrument in
      pluck) pluck "$name.$n" "$seconds" "$note" ;;
      bass) voice "$name.$n" "$seconds" triangle "$note" lowpass 600 \
        fade h 0.03 "$seconds" "$(calc "$seconds * 0.6")" ;;
      pad) voice "$name.$n" "$seconds" sine "$note" fade h "$(calc "$seconds * 0.3")" \
        "$seconds" "$(calc "$seconds * 0.5")" ;;
    esac
    parts+=("$name.$n:$volume:$start")
    n=$((n + 1))
  done <"$events"
  # Mix in groups: sox keeps every input open at once.
  local groups=() i
  for ((i = 0; i < ${#parts[@]}; i += 24)); do
    mix "$name.g$i" "${parts[@]:i:24}"
    groups+=("$name.g$i")
  done
  mix "$name.full" "${groups[@]}"
  # Fold the tail that rings past the loop back onto the start.
  sx "$work/$name.full.wav" "$work/$name.head.wav" trim 0 "${loop_samples}s"
  sx "$work/$name.full.wav" "$work/$name.tail.wav" trim "${loop_samples}s"
  mix "$name.loop" "$name.head" "$name.tail"
  sx "$work/$name.loop.wav" "$work/$name.cut.wav" trim 0 "${loop_samples}s"
  # Level by RMS, then encode; lame's gapless header lets the decoder drop
  # its padding so the loop stays exact.
  local rms gain_db
  rms=$(sox "$work/$name.cut.wav" -n stat 2>&1 | awk '/RMS *amplitude/ { print $3 }')
  gain_db=$(calc "-24 - 20 * log($rms) / log(10)")
  sx "$work/$name.cut.wav" -b 16 -e signed-integer "$work/$name.final.wav" gain "$gain_db"
  lame --quiet --noreplaygain -m m -b 64 --resample 44.1 "$work/$name.final.wav" "$music/$name.mp3"
}

# arpeggio FILE BAR ROOT3 FIFTH3 ROOT4 THIRD4 FIFTH4 VOLUME: one bar of
# rolling eighth notes over a chord.
arpeggio() {
  local file=$1 bar=$2 r3=$3 f3=$4 r4=$5 t4=$6 f4=$7 vol=$8 i beat
  local pattern=("$r3" "$f3" "$r4" "$t4" "$f4" "$t4" "$r4" "$f3")
  for i in 0 1 2 3 4 5 6 7; do
    beat=$(calc "$bar * 4 + $i * 0.5")
    echo "$beat pluck ${pattern[$i]} 3 $vol" >>"$file"
  done
}

# begin: the waiting music — calm rolling chords in C major, C Am F G.
events=$work/begin.events
: >"$events"
chords=("C3 G3 C4 E4 G4" "A2 E3 A3 C4 E4" "F2 C3 F3 A3 C4" "G2 D3 G3 B3 D4")
for bar in 0 1 2 3; do
  read -r -a c <<<"${chords[$bar]}"
  arpeggio "$events" "$bar" "${c[@]}" 0.5
  echo "$((bar * 4)) bass ${c[0]} 4 0.6" >>"$events"
done
cat >>"$events" <<'EOF'
0 pad E5 4 0.08
4 pad E5 4 0.08
8 pad F5 4 0.08
12 pad D5 4 0.08
EOF
music_piece begin 80 16 "$events"

# game: music under play — unhurried A minor, Am F C G Am F G E.
events=$work/game.events
: >"$events"
chords=("A2 E3 A3 C4 E4" "F2 C3 F3 A3 C4" "C3 G3 C4 E4 G4" "G2 D3 G3 B3 D4"
  "A2 E3 A3 C4 E4" "F2 C3 F3 A3 C4" "G2 D3 G3 B3 D4" "E2 B2 E3 G#3 B3")
for bar in 0 1 2 3 4 5 6 7; do
  read -r -a c <<<"${chords[$bar]}"
  arpeggio "$events" "$bar" "${c[@]}" 0.4
  echo "$((bar * 4)) bass ${c[0]} 4 0.6" >>"$events"
done
music_piece game 112 32 "$events"

# congratulations: a place in the ranking — bright G major with a tune on top.
events=$work/congratulations.events
: >"$events"
chords=("G2 D3 G3 B3 D4" "C3 G3 C4 E4 G4" "D3 A3 D4 F#4 A4" "G2 D3 G3 B3 D4"
  "E2 B2 E3 G3 B3" "C3 G3 C4 E4 G4" "D3 A3 D4 F#4 A4" "G2 D3 G3 B3 D4")
for bar in 0 1 2 3 4 5 6 7; do
  read -r -a c <<<"${chords[$bar]}"
  arpeggio "$events" "$bar" "${c[@]}" 0.35
  echo "$((bar * 4)) bass ${c[0]} 4 0.6" >>"$events"
done
tune=(B4 D5 G5 D5 C5 E5 G5 E5 A4 D5 F#5 A5 G5 D5 B4 D5
  B4 E5 G5 E5 C5 E5 G5 C6 A5 F#5 D5 F#5 G5 D5 G4 .)
for i in "${!tune[@]}"; do
  [[ ${tune[$i]} == . ]] && continue
  echo "$i pluck ${tune[$i]} 1.6 0.55" >>"$events"
done
music_piece congratulations 120 32 "$events"

made_cues=("$sounds"/*.wav)
made_music=("$music"/*.mp3)
echo "Wrote ${#made_cues[@]} cues to $sounds and ${#made_music[@]} pieces of music to $music"
