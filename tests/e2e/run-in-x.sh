#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command in a private X session: Xvfb, the openbox window manager, and a
# D-Bus session bus on which the accessibility bus can start, so that the
# program's controls can be read from outside as a screen reader reads them.
# WAKEPROBER_WM names another window manager to try by hand, for example
# WAKEPROBER_WM="xfwm4 --compositor=off".
set -euo pipefail

work=$(mktemp -d)
cleanup() {
    kill "${wm_pid:-}" "${bus_pid:-}" "${x_pid:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# -noreset: otherwise the server resets whenever its last client leaves, and a
# client still connecting at that moment is dropped; the window manager, which
# connects while the loop below probes the server, failed to start that way.
Xvfb -displayfd 5 -noreset -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
x_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# What the session's programs keep (the window manager's log, Mesa's shader
# cache, a sound server's cookie, Wine's state) stays out of the user's home:
# their XDG folders are the session's own, under WAKEPROBER_XDG_HOME where the
# caller names a folder of the build for them, and otherwise temporary.
xdg=${WAKEPROBER_XDG_HOME:-$work/xdg}
export XDG_CONFIG_HOME="$xdg/config" XDG_CACHE_HOME="$xdg/cache" XDG_DATA_HOME="$xdg/data" \
    XDG_STATE_HOME="$xdg/state"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME"
# The session bus comes before the window manager: some (xfwm4) keep their
# settings on it.
bus_pid=$(dbus-daemon --session --fork --print-pid --address="unix:path=$work/bus")
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"

${WAKEPROBER_WM:-openbox --sm-disable} >"$work/wm.log" 2>&1 &
wm_pid=$!
# A loaded machine may take seconds to start it; nothing runs without it.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 600); do
    wm_ready && break
    sleep 0.05
done
if ! wm_ready; then
    echo "The window manager did not start:" >&2
    cat "$work/wm.log" >&2
    kill -0 "$x_pid" 2>/dev/null || { echo "Xvfb had ended:" >&2; cat "$work/xvfb.log" >&2; }
    exit 1
fi

# Qt's accessibility bridge otherwise waits for a desktop to ask for it.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Sounds go only to a sound server in this session (the tests start one when
# they want it), never straight to a sound card of the machine.
export CANBERRA_DRIVER=pulse
export NO_AT_BRIDGE=0
# English, whatever the language of the machine: a check of another language
# names its locale itself.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
"$@"
