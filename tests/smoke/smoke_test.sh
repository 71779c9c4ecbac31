#!/usr/bin/env bash
# Usage: smoke_test.sh PATH-TO-QUORVANE
# Drives the real program on a private Xvfb display with no window manager, for what only an X
# server shows: the splash maps first and refuses a close request, the calculator follows within
# 5 s, the help window's title is exactly "Description", About chosen from the calculator's menu
# while the About window is in front leaves it shown, and the quit shortcut ends with status 0.
set -u
program=$1
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
for tool in Xvfb xdotool xprop python3; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (tools/install-deps installs it)."
        exit 77
    fi
done

fail() { echo "FAIL: $*"; exit 1; }

# Xvfb picks a free display itself and writes its number to the descriptor given. Without
# -noreset it resets each time its last client leaves (xdotool's checks), and a program that
# connects during a reset finds no display.
display_file=$(mktemp)
program_pid=""
trap 'kill $program_pid "$xvfb" 2>/dev/null; wait 2>/dev/null; rm -f "$display_file"' EXIT
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
[ -s "$display_file" ] || fail "Xvfb did not start, so there is no display to test on"
export DISPLAY=":$(head -n 1 "$display_file")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
xdotool getmouselocation >/dev/null 2>&1 || fail "the display $DISPLAY does not answer"

# The first window xdotool finds with these search options, waiting up to $1 tenths of a second.
first_window() {
    local tries=$1 found=""
    shift
    for _ in $(seq "$tries"); do
        found=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1)
        [ -n "$found" ] && break
        sleep 0.1
    done
    echo "$found"
}
# With no window manager to do it, raises the window and gives it the keyboard focus.
to_front() {
    xdotool windowraise "$1" windowfocus --sync "$1" >/dev/null 2>&1
    sleep 0.3
}
is_visible() { xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | grep -qx "$1"; }
# Opens the calculator's Window menu with a click and clicks its middle entry, About Quorvane.
choose_about() {
    local popup geometry x y w h
    xdotool mousemove --window "$calculator" 90 9 click 1
    popup=""
    for _ in $(seq 20); do
        sleep 0.1
        popup=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null |
            grep -vx -e "$calculator" -e "$splash" -e "${help:-none}" | head -n 1)
        [ -n "$popup" ] && break
    done
    [ -n "$popup" ] || fail "the Window menu did not open"
    geometry=$(xdotool getwindowgeometry --shell "$popup")
    x=$(sed -n 's/^X=//p' <<<"$geometry"); y=$(sed -n 's/^Y=//p' <<<"$geometry")
    w=$(sed -n 's/^WIDTH=//p' <<<"$geometry"); h=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
    sleep 1
}

start=$(date +%s%N)
"$program" &
program_pid=$!

# The first window on screen is the splash: no title, and no "Quorvane" window yet.
splash=$(first_window 50 --pid "$program_pid")
[ -n "$splash" ] || fail "no window was mapped"
if xdotool search --onlyvisible --name '^Quorvane$' >/dev/null 2>&1; then
    fail "the calculator window was on screen before the splash gave way"
fi
echo "splash window $splash mapped first"

# The splash has no close button: a window manager's close request leaves it up.
python3 "$here/close_request.py" "$splash" || fail "could not send the close request"
sleep 0.5
is_visible "$splash" || fail "the splash window closed on a close request"
echo "the splash refused a close request"

calculator=$(first_window 70 --name '^Quorvane$')
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[ -n "$calculator" ] || fail "no window titled Quorvane within 7 s"
[ "$elapsed" -le 6500 ] || fail "the calculator window took $elapsed ms"
is_visible "$splash" && fail "the splash window stayed up after giving way"
echo "calculator window $calculator after $elapsed ms"

# The help button (the question mark at the bottom right) opens the help window.
xdotool mousemove --window "$calculator" 310 540 click 1
help=$(first_window 30 --name '^Description$')
[ -n "$help" ] || fail "no window titled exactly Description after the help button: $(
    xdotool search --onlyvisible --pid "$program_pid" getwindowname %@ 2>/dev/null | tr '\n' '|')"
# Window managers show _NET_WM_NAME, where Qt would append the application's display name.
net_name=$(xprop -id "$help" _NET_WM_NAME 2>/dev/null)
[ "$net_name" = '_NET_WM_NAME(UTF8_STRING) = "Description"' ] ||
    fail "the help window's title as window managers show it: $net_name"
echo "help window $help titled Description"

# About from the calculator's menu, first with the calculator in front, then with About in front.
to_front "$calculator"
for round in 1 2; do
    choose_about
    is_visible "$splash" || fail "About chosen from the calculator's menu ($round) left no About window"
    echo "About window shown by the command ($round)"
done
[ "$(xdotool search --onlyvisible --pid "$program_pid" | grep -cx "$splash")" -eq 1 ] ||
    fail "more than one About window"

to_front "$calculator"
xdotool key ctrl+q
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "Quit did not end the program"
wait "$program_pid"
status=$?
program_pid=""
echo "exit status $status"
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS"
