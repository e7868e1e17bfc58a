#!/usr/bin/env bash
# Runs the real program on a private X server (Xvfb), with a private session
# bus and accessibility bus, and drives a whole session through the
# accessibility bus as a screen reader meets it (drive_session.py).
#
#   run_session.sh PROGRAM EXPECTED_REPORT
#
# Everything the program writes (settings, backup, lock, report) goes into a
# fresh temporary folder; the user's own settings are never read or touched.
# Exit 77 (reported by ctest as skipped) when this machine cannot host the
# test: no X server, no session bus, no accessibility bus or no pyatspi.
set -uo pipefail

skip() {
  echo "SKIPPED: $*" >&2
  exit 77
}

if [ $# -ne 2 ]; then
  echo "usage: $0 PROGRAM EXPECTED_REPORT" >&2
  exit 2
fi
program="$1"
expected="$2"
here="$(cd "$(dirname "$0")" && pwd)"

if [ ! -x "$program" ]; then
  echo "FAILED: the program $program is missing or not executable" >&2
  exit 1
fi
command -v Xvfb >/dev/null || skip "no X server: Xvfb is not installed (Debian package xvfb)"
command -v dbus-run-session >/dev/null || skip "no dbus-run-session (Debian package dbus-bin)"

# pyatspi lives in the system's Python; a Python of another installation
# found first on the PATH does not see it.
python=""
for candidate in /usr/bin/python3 python3; do
  if command -v "$candidate" >/dev/null && "$candidate" -c 'import pyatspi' 2>/dev/null; then
    python="$candidate"
    break
  fi
done
[ -n "$python" ] || skip "no Python 3 with pyatspi (Debian packages python3-pyatspi, python3-gi)"

work="$(mktemp -d "${TMPDIR:-/tmp}/quillane-atspi.XXXXXX")"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

export HOME="$work/home"
export XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data"
export XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR" "$work/out"
chmod 700 "$XDG_RUNTIME_DIR"
# No help window at start-up and no automatic backup in the middle of a step.
printf '[Quillane]\r\nHelp at Startup=0\r\nAutomatic Backup=0\r\n' >"$XDG_CONFIG_HOME/Quillane.ini"

# The X server picks a free display itself and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 100); do
  [ -s "$work/display" ] && break
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then
    xvfb_pid=""
    skip "the X server (Xvfb) could not start: $(tail -n 3 "$work/xvfb.log" | tr '\n' ' ')"
  fi
  sleep 0.1
done
[ -s "$work/display" ] || skip "the X server (Xvfb) gave no display within 10 seconds"
export DISPLAY=":$(head -n 1 "$work/display")"

# Nothing of the caller's desktop leaks in: its buses, its theme, the
# offscreen platform the other tests use.
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS XDG_CURRENT_DESKTOP DESKTOP_SESSION \
  QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE SESSION_MANAGER
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1
export LANG=C.UTF-8 LC_ALL=C.UTF-8

dbus-run-session -- "$python" "$here/drive_session.py" \
  --program "$program" --expected "$expected" --out "$work/out"
