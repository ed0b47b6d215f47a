#!/usr/bin/env bash
# Runs the real program on a desktop: Xvfb with a window manager, a bank written here, and
# checks from outside what a person sees. Every window opens with its frame centred; the window
# shown last comes in front (a review, back to the sheet, back to the menu); Enter pressed twice
# or held on 試験開始 starts the exam and does not finish it; a digit then Enter leaves the exam
# running; a click on the blank part of a choice selects it.
# Usage: desktop_test.sh QUIZRA [WINDOW-MANAGER]   (metacity by default; openbox works too)
set -euo pipefail

quizra=$1
wm=${2:-metacity}
for tool in Xvfb "$wm" xdotool xprop xwininfo import; do
    command -v "$tool" >/dev/null || { echo "FAIL: no $tool; run scripts/setup.sh" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# The program's windows, bottom to top, as the window manager reports them.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | sed -n 's/.*# //p'; }

fail() {
    echo "FAIL: $*" >&2
    echo "windows, bottom to top: $(stacking)" >&2
    exit 1
}

# Polls a condition until it holds; the machine may be loaded, so it waits up to 30 s.
wait_for() {
    local what=$1
    shift
    for ((tries = 0; tries < 600; tries++)); do
        "$@" && return 0
        sleep 0.05
    done
    fail "$what"
}

# --- The desktop: a free display, a private runtime folder, the window manager. ---
mkdir -m 700 "$work/runtime"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
has_display() { [[ -s "$work/display" ]]; }
wait_for "Xvfb did not start" has_display
export DISPLAY=:$(head -n1 "$work/display")
export XDG_RUNTIME_DIR=$work/runtime GSETTINGS_BACKEND=memory

"$wm" >"$work/wm.log" 2>&1 &
pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for "$wm did not start" wm_running

# --- Windows as the window manager reports them. ---
active() { xprop -root _NET_ACTIVE_WINDOW 2>/dev/null | sed -n 's/.*# \([^,]*\).*/\1/p'; }
# The program's managed window of this client size.
menu=365x206 exam=781x580 sheet=740x535
window() {
    local id
    for id in $(stacking | tr -d ,); do
        xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: $1\$" &&
            { echo "$id"; return 0; }
    done
    return 1
}
# The window is in front of all others and has the focus.
in_front() {
    local id
    id=$(window "$1") || return 1
    [[ $(stacking | sed 's/.*, //') == "$id" && $(active) == "$id" ]]
}
gone() { ! window "$1" >/dev/null; }
# The window's frame, as the window manager reports it, is centred on the 1280x1024 screen.
centred() {
    local id x y left right top bottom
    id=$(window "$1") || return 1
    read -r x y < <(xwininfo -id "$id" |
        awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }')
    read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
    [[ -n $bottom ]] || return 1
    local twice_x=$((2 * (x - left) + left + ${1%x*} + right))
    local twice_y=$((2 * (y - top) + top + ${1#*x} + bottom))
    ((twice_x >= 1279 && twice_x <= 1281 && twice_y >= 1023 && twice_y <= 1025))
}
click() { xdotool mousemove --sync --window "$(window "$1")" "$2" "$3" click 1; }

# A choice is selected when the middle of its round indicator is dark. Choice k of the
# one-row layout lies at these window coordinates (twips / 15, inside the question frame).
choice_x=(32 205 380 553)
choice_y=140
selected() {
    local id level
    id=$(window $exam) || return 1
    level=$(import -silent -window "$id" -crop 3x3+$((choice_x[$1 - 1] + 6))+$((choice_y - 1)) \
        +repage -colorspace gray -format '%[fx:minima]' info: 2>/dev/null) || return 1
    awk -v l="$level" 'BEGIN { exit !(l < 0.5) }'
}

# --- The program, on a bank of one question with short choices in one row. ---
mkdir "$work/bank"
cp "$quizra" "$work/bank/quizra"
printf '[COUNT]\r\nALL=1\r\n[SEC1]\r\nbun=Q1\r\nans1=a\r\nans2=b\r\nans3=c\r\nans4=d\r\nans=1\r\n' \
    >"$work/bank/TOI1.ini"
QT_QPA_PLATFORM=xcb "$work/bank/quizra" >"$work/quizra.log" 2>&1 &
quizra_pid=$!
pids+=($quizra_pid)

wait_for "the menu did not come up in front" in_front $menu
wait_for "the menu's frame is not centred" centred $menu
# Enter twice, as a hurried double press: the exam starts and stays.
xdotool key --delay 150 Return Return
wait_for "Enter on the menu did not start an exam in front" in_front $exam
wait_for "the exam window's frame is not centred" centred $exam
sleep 0.5
window $sheet >/dev/null && fail "a second Enter on the menu finished the exam"

# A digit selects its choice and takes the focus there, so Enter does not finish the exam.
xdotool key 2
wait_for "key 2 did not select choice 2" selected 2
xdotool key Return 3
key3_or_sheet() { selected 3 || window $sheet >/dev/null; }
wait_for "key 3 after Enter did nothing" key3_or_sheet
window $sheet >/dev/null && fail "Enter after key 2 finished the exam"

# Well right of its caption "(1)a", 161 px into the 173 px of choice 1 that show.
click $exam 193 $choice_y
wait_for "a click on the blank part of choice 1 did not select it" selected 1

click $exam 716 552 # 試験終了
wait_for "試験終了 did not bring the sheet in front" in_front $sheet
wait_for "試験終了 did not hide the exam window" gone $exam
wait_for "the sheet's frame is not centred" centred $sheet
click $sheet 36 96 # 問４
wait_for "after a click on 問４ the exam window is not in front" in_front $exam
click $exam 716 552 # 試験終了, back to the sheet
wait_for "試験終了 in a review did not bring the sheet in front" in_front $sheet
click $sheet 652 512 # 閉じる
wait_for "閉じる did not bring the menu in front" in_front $menu
wait_for "閉じる left the exam window or the sheet" gone $exam
gone $sheet || fail "閉じる left the sheet"

# Enter held down on 試験開始 repeats into the exam window, where it does nothing.
xdotool keydown Return
sleep 1.5
xdotool keyup Return
wait_for "Enter held on the menu did not start an exam in front" in_front $exam
window $sheet >/dev/null && fail "Enter held on the menu finished the exam"
click $exam 716 552 # 試験終了
wait_for "試験終了 did not bring the sheet in front" in_front $sheet
click $sheet 652 512 # 閉じる
wait_for "閉じる did not bring the menu in front" in_front $menu

click $menu 268 172 # 終　了
exited() { ! kill -0 "$quizra_pid" 2>/dev/null; }
wait_for "終　了 did not end the program" exited
status=0
wait "$quizra_pid" || status=$?
[[ $status == 0 ]] || fail "終　了 ended the program with status $status: $(cat "$work/quizra.log")"
echo "PASS: under $wm windows open centred, the one shown last in front; keys, Enter held or" \
    "pressed twice, and clicks act on the exam as a candidate means them"
