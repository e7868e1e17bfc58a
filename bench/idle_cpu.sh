#!/usr/bin/env bash
# Processor time the main window takes while it sits idle for 10 seconds,
# with the automatic backup off and on (its 500 ms tick is the only timer
# that may wake the program). Usage: bench/idle_cpu.sh [path to quillane]
set -euo pipefail
program="${1:-$(dirname "$0")/../build-release/bin/quillane}"
ticks_per_second=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

for backup in 0 1; do
  home=$(mktemp -d)
  mkdir -p "$home/config" "$home/data" "$home/runtime"
  chmod 700 "$home/runtime"
  printf '[Quillane]\r\nHelp at Startup=0\r\nAutomatic Backup=%s\r\nAutomatic Backup Time=30\r\n' "$backup" \
    > "$home/config/Quillane.ini"
  XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
    QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$program" &
  pid=$!
  sleep 2  # let start-up finish
  before=$(cpu_ticks "$pid")
  sleep 10
  after=$(cpu_ticks "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -rf "$home"
  echo "automatic backup $([ "$backup" = 1 ] && echo on || echo off): $(( (after - before) * 1000 / ticks_per_second )) ms of processor time in 10 s idle"
done
