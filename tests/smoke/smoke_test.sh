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

start=$(date +%s%N)
"$program" &
program_pid=$!

# The first window on screen is the splash: no title, and no "Quorvane" window yet.
splash=""
for _ in $(seq 50); do
    splash=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | head -n 1)
    [ -n "$splash" ] && break
    sleep 0.1
done
if [ -z "$splash" ]; then echo "FAIL: no window was mapped"; exit 1; fi
if xdotool search --onlyvisible --name '^Quorvane$' >/dev/null 2>&1; then
    echo "FAIL: the calculator window was on screen before the splash gave way"; exit 1
fi
echo "splash window $splash mapped first"

calculator=""
for _ in $(seq 70); do
    calculator=$(xdotool search --onlyvisible --name '^Quorvane$' 2>/dev/null | head -n 1)
    [ -n "$calculator" ] && break
    sleep 0.1
done
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
