#!/usr/bin/env bash
# Checks that each program file given was built hardened, as readelf sees it:
# position independent, read-only relocations bound at start, the stack
# protector in use, and every C++ unit compiled with optimisation (which the
# fortified C library needs), the strong stack protector, stack clash and,
# on x86, control-flow protection. Fortified calls leave a symbol only where
# a buffer's size is known when compiling, so their absence proves nothing.
set -u
status=0
fail() { echo "$1: $2"; status=1; }
for binary in "$@"; do
  header=$(readelf -h "$binary") || { fail "$binary" "not readable"; continue; }
  grep -q 'Type:[[:space:]]*DYN' <<<"$header" || fail "$binary" "not position independent (PIE)"
  readelf -l "$binary" | grep -q 'GNU_RELRO' || fail "$binary" "no RELRO segment"
  readelf -d "$binary" | grep -Eq '\(BIND_NOW\)|\(FLAGS\).*NOW' || fail "$binary" "relocations not bound at start (no BIND_NOW)"
  readelf --dyn-syms -W "$binary" | grep -q '__stack_chk_fail' || fail "$binary" "no stack protector"
  producers=$(readelf --debug-dump=info "$binary" 2>/dev/null | grep 'DW_AT_producer.*GNU C++' | sort -u)
  [ -n "$producers" ] || { fail "$binary" "no record of how it was compiled (built without -g)"; continue; }
  grep -Ev -- ' -O[123s]( |$)' <<<"$producers" | grep -q . && fail "$binary" "a unit compiled without optimisation"
  wanted=(-fstack-protector-strong -fstack-clash-protection)
  [ "$(uname -m)" = x86_64 ] && wanted+=(-fcf-protection)
  for flag in "${wanted[@]}"; do
    grep -v -- " $flag" <<<"$producers" | grep -q . && fail "$binary" "a unit compiled without $flag"
  done
done
exit $status
