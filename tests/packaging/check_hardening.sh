#!/usr/bin/env bash
# Checks that each program file given was built hardened, as readelf sees it:
# position independent, read-only relocations bound at start, the stack
# protector and the fortified C library calls in use.
set -u
status=0
fail() { echo "$1: $2"; status=1; }
for binary in "$@"; do
  header=$(readelf -h "$binary") || { fail "$binary" "not readable"; continue; }
  grep -q 'Type:[[:space:]]*DYN' <<<"$header" || fail "$binary" "not position independent (PIE)"
  readelf -l "$binary" | grep -q 'GNU_RELRO' || fail "$binary" "no RELRO segment"
  readelf -d "$binary" | grep -Eq '\(BIND_NOW\)|\(FLAGS\).*NOW' || fail "$binary" "relocations not bound at start (no BIND_NOW)"
  symbols=$(readelf --dyn-syms -W "$binary")
  grep -q '__stack_chk_fail' <<<"$symbols" || fail "$binary" "no stack protector"
  grep -E '__[a-z0-9_]+_chk\b' <<<"$symbols" | grep -vq '__stack_chk' || fail "$binary" "no fortified C library call"
done
exit $status
