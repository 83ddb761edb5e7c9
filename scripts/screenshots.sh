#!/usr/bin/env bash
# Takes the README's screenshots again, into docs/: the program runs under Xvfb with openbox on
# a copy of the station and contest in docs/shots-data/, driven with xdotool as an operator
# would drive it.
#   bash scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

bash scripts/setup.sh shots

[ -f build-shots/CMakeCache.txt ] ||
    cmake -S . -B build-shots -DCMAKE_BUILD_TYPE=Release -DZELORA_TESTS=OFF -DZELORA_BENCH=OFF
cmake --build build-shots -j2 --target zelora

# A display nobody uses.
display=90
while [ -e /tmp/.X$display-lock ] || [ -e /tmp/.X11-unix/X$display ]; do display=$((display + 1)); done
export DISPLAY=:$display QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
pids=()
desktop=()
cleanup() {
    for pid in "${pids[@]}" "${desktop[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A screen of `size` (e.g. 1024x600) with its window manager.
start_desktop() {
    Xvfb "$DISPLAY" -screen 0 "${1}x24" -nolisten tcp &
    desktop=($!)
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.2; done
    openbox &
    desktop+=($!)
    sleep 1
}

stop_desktop() {
    kill "${desktop[@]}" 2>/dev/null || true
    wait "${desktop[@]}" 2>/dev/null || true
    desktop=()
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display ] || break; sleep 0.2; done
}

start_desktop 1280x900

# The visible window with exactly this title, waited for (up to 20 s). A search can fail while
# windows come and go: it is tried again.
window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) || true
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.2
    done
    echo "no window \"$1\"" >&2
    return 1
}

# The window `title` with its frame, as a small 8-bit PNG.
shot() {
    local id
    id=$(window "$1")
    sleep 0.7  # let it paint
    import -frame -window "$id" "$work/shot.png"
    convert "$work/shot.png" -dither None -colors 256 PNG8:"$repo/docs/$2.png"
    echo "docs/$2.png"
}

# The whole screen once the window `title` is on it: whether the windows fit a small screen.
screen_shot() {
    window "$1" >/dev/null
    sleep 0.7
    import -window root "$work/shot.png"
    convert "$work/shot.png" -dither None -colors 256 PNG8:"$repo/docs/$2.png"
    echo "docs/$2.png"
}

# Keys to the focused widget of the window `title`.
keys() {
    local id
    id=$(window "$1")
    shift
    xdotool windowfocus "$id" key --delay 60 "$@"
    sleep 0.3
}

# Text typed into the focused widget of the window `title`, once the window has settled.
type_text() {
    local id
    id=$(window "$1")
    xdotool windowfocus "$id"
    sleep 1
    xdotool type --delay 40 "$2"
    sleep 0.3
}

# A click at `x`,`y` counted from the bottom right corner of the window `title`.
click_from_corner() {
    local id width height
    id=$(window "$1")
    eval "$(xdotool getwindowgeometry --shell "$id")"
    width=$WIDTH height=$HEIGHT
    xdotool windowfocus "$id" mousemove --window "$id" $((width - $2)) $((height - $3)) click 1
    sleep 0.5
}

start_program() {
    (cd "$1" && exec ./zelora) &
    pids+=($!)
}

stop_program() {
    kill "${pids[-1]}"
    wait "${pids[-1]}" 2>/dev/null || true
    unset 'pids[-1]'
}

main="Zelora VHF qrp - ZZ9QX Sez. di Dorvasca - ver 1.00"
start="Zelora VHF qrp test - ZZ9QX Sez. di Dorvasca"

# First start, no files yet: the station window.
mkdir "$work/first"
cp build-shots/zelora "$work/first/"
start_program "$work/first"
shot "Zelora qrp Test - Dati Stazione" station
stop_program

# A contest under way.
mkdir "$work/contest"
cp build-shots/zelora docs/shots-data/* "$work/contest/"
start_program "$work/contest"
shot "$start" start
keys "$start" Return
type_text "$main" ZZ9KLM  # worked at 07.15: marked DUPE
shot "$main" main

keys "$main" alt+c
edi="Zelora qrp Test - Compilazione Log formato EDI"
shot "$edi" edi_header
click_from_corner "$edi" 132 22
shot "Zelora qrp Test - Salva Log edi" edi_save

keys "$main" alt+m
edit="Zelora qrp Test - Modfica dati QSO"
type_text "$edit" ZZ9TUV
keys "$edit" Return
shot "$edit" qso_edit

keys "$main" alt+s
statistics="Zelora QRP Test - Statistiche"
shot "$statistics" statistics
click_from_corner "$statistics" 130 20
shot "Zelora QRP Test - Report" report

keys "$main" alt+a
click_from_corner "Zelora VHF qrp - Amministrazione" 30 60
lists="Gestione Database IQRP - MQC"
shot "$lists" member_lists

# A radio and a rotator: Hamlib's dummy daemons, reached as on another computer through
# "NET rigctl" and "NET rotctl". A locator typed, Alt+P, and the rotator's needle reaches the QTF
# (the dummy rotator turns 6 degrees a second).
stop_program
mkdir "$work/station"
cp build-shots/zelora docs/shots-data/* "$work/station/"
radio_port=45321 rotator_port=45331
rigctld -m 1 -T 127.0.0.1 -t $radio_port >/dev/null 2>&1 &
pids=("$!" "${pids[@]}")
rotctld -m 1 -T 127.0.0.1 -t $rotator_port >/dev/null 2>&1 &
pids=("$!" "${pids[@]}")
sleep 1
rigctl -m 2 -r 127.0.0.1:$radio_port F 144300000 M USB 2400
printf 'Radio = 2\r\nPorta radio = 127.0.0.1:%s\r\nVelocita radio = 0\r\nRotore = 2\r\nPorta rotore = 127.0.0.1:%s\r\nVelocita rotore = 0\r\n' \
    $radio_port $rotator_port >"$work/station/radio.txt"
start_program "$work/station"
keys "$start" Return
type_text "$main" ZZ9NEW
keys "$main" Tab Tab Tab
type_text "$main" 012
keys "$main" Tab
type_text "$main" JN65CA
keys "$main" alt+p
sleep 12
shot "$main" station_control
keys "$main" alt+r
shot "Zelora qrp Test - Radio e rotore" radio_rotor
stop_program

# The call history: a station of earlier contests typed, Tab fills in its locator; the partial
# list shows the worked station and, under "Storico", the history's.
mkdir "$work/history"
cp build-shots/zelora docs/shots-data/* "$work/history/"
start_program "$work/history"
keys "$start" Return
type_text "$main" ZZ9RS
keys "$main" Tab
shot "$main" history
stop_program

# The netbooks that portable stations carry, and the smallest screen: the main window with a
# duplicate being typed, then the EDI header and the statistics over it.
for size in 1024x600 800x600; do
    stop_desktop
    start_desktop "$size"
    mkdir "$work/contest-$size"
    cp build-shots/zelora docs/shots-data/* "$work/contest-$size/"
    start_program "$work/contest-$size"
    keys "$start" Return
    type_text "$main" ZZ9KLM
    screen_shot "$main" "main-$size"
    keys "$main" alt+c
    screen_shot "$edi" "edi_header-$size"
    keys "$edi" Escape
    keys "$main" alt+s
    screen_shot "$statistics" "statistics-$size"
    stop_program
done
