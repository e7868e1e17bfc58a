#!/usr/bin/env bash
# Peak memory and time of one whole brainstorming session, from New Session
# to reopening the saved workfile, as the end-to-end test drives it.
set -euo pipefail
build="${1:-$(dirname "$0")/../build}"
for run in 1 2 3 4 5; do
  QT_QPA_PLATFORM=offscreen /usr/bin/time -f "run $run: %e s wall, %M KiB peak" \
    "$build/tests/test_app" --gtest_filter='WholeSession*' >/dev/null
done
