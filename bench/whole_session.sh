#!/usr/bin/env bash
# Peak memory and time of one whole brainstorming session, from New Session
# to reopening the saved workfile, as the end-to-end test drives it.
set -euo pipefail
build="${1:-$(dirname "$0")/../build}"
QT_QPA_PLATFORM=offscreen farm-bench -n 5 -- "$build/tests/test_app" --gtest_filter='WholeSession*'
