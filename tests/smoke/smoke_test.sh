#!/usr/bin/env bash
# Usage: smoke_test.sh PATH-TO-QUORVANE
# Under a private Xvfb display: the splash window maps first, the window titled "Quorvane"
# follows within 5 s, and the quit shortcut ends the process with status 0.
set -u
program=$1
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (tools/install-deps installs it)."
        exit 77
    fi
done

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$program_pid" "$xvfb" 2>/dev/null; wait 2>/dev/null' EXIT
export DISPLAY=$display
unset QT_QPA_PLATFORM
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

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

start=$(date +%s%N)
"$program" &
program_pid=$!

# The first window on screen is the splash: no title, and no "Quorvane" window yet.
splash=$(first_window 50 --pid "$program_pid")
if [ -z "$splash" ]; then echo "FAIL: no window was mapped"; exit 1; fi
if xdotool search --onlyvisible --name '^Quorvane$' >/dev/null 2>&1; then
    echo "FAIL: the calculator window was on screen before the splash gave way"; exit 1
fi
echo "splash window $splash mapped first"

calculator=$(first_window 70 --name '^Quorvane$')
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
if [ -z "$calculator" ]; then echo "FAIL: no window titled Quorvane within 7 s"; exit 1; fi
if [ "$elapsed" -gt 6500 ]; then echo "FAIL: the calculator window took $elapsed ms"; exit 1; fi
echo "calculator window $calculator after $elapsed ms"

xdotool windowactivate --sync "$calculator" >/dev/null 2>&1 || xdotool windowfocus "$calculator"
sleep 0.3
xdotool key --window "$calculator" ctrl+q
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then echo "FAIL: Quit did not end the program"; exit 1; fi
wait "$program_pid"
status=$?
echo "exit status $status"
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
echo "PASS"
