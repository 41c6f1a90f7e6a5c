#!/usr/bin/env bash
# Kills a writer to the handbook with SIGKILL at 50 drawn moments and checks the handbook after
# each (tests/kill). Needs the build ./test made. The seed makes a run repeatable:
#   scripts/kill-trials.sh [seed, default 1] [trials, default 50]
set -euo pipefail
cd "$(dirname "$0")/.."
seed="${1:-1}"
trials="${2:-50}"
export QT_QPA_PLATFORM=offscreen
build/bin/handbook_kill_trials --trials "$trials" --seed "$seed"
