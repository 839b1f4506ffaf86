#!/usr/bin/env bash
# Runs a command with an X display: the current one if DISPLAY is set, else
# a private Xvfb started for the command and stopped after it.
set -uo pipefail
if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi
for number in $(seq 90 140); do
  [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$number" ] && break
    sleep 0.1
  done
  if kill -0 "$xvfb" 2> /dev/null; then
    export DISPLAY=":$number"
    "$@"
    status=$?
    kill "$xvfb" 2> /dev/null
    wait "$xvfb" 2> /dev/null
    exit $status
  fi
done
echo "with-display: could not start Xvfb" >&2
exit 1
