#!/usr/bin/env bash
# Runs a command against a private Xvfb server, so that the test sees real
# X input and painting without a desktop.
set -euo pipefail
fdfile=$(mktemp)
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$fdfile" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -f "$fdfile"' EXIT
for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
done
[ -s "$fdfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$fdfile")"
export QT_QPA_PLATFORM=xcb
"$@"
