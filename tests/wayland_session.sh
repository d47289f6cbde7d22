#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Luna developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command in a Wayland session of its own: Debian's weston with its
# headless backend, drawing in memory (so that weston-screenshooter can take
# pictures, which --debug allows), on a socket and a runtime folder of the
# session's own. Meant to run inside dbus-run-session.
set -euo pipefail

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket="luna-test-$$"
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --use-pixman --width=1280 --height=900 --idle-time=0 --debug \
    --socket="$socket" >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill "$weston" 2>/dev/null; wait "$weston" 2>/dev/null; rm -rf "$runtime"' EXIT

for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    echo "weston did not start:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
fi

unset DISPLAY
export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
"$@"
