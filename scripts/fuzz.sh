#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for the given time, one after the other:
#   bash scripts/fuzz.sh SECONDS [HARNESS...]
# (harnesses: call_history correction locator log_search member_list partial_state restore
# station_profile; all when none named).
# New interesting inputs gather in build-fuzz/fuzz/found/<harness>/, failing ones in
# build-fuzz/fuzz/crashes/<harness>/; a failing input belongs in fuzz/regressions/<harness>/
# once its cause is fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [HARNESS...]}
shift
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] ||
    harnesses=(call_history correction locator log_search member_list partial_state restore
               station_profile)
# The harnesses write the program's files for every input: on a RAM disk flushing them to disk
# costs nothing.
[ -d /dev/shm ] && export TMPDIR=${TMPDIR:-/dev/shm}
cmake -S . -B build-fuzz -DZELORA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2
for h in "${harnesses[@]}"; do
    found=build-fuzz/fuzz/found/$h
    crashes=build-fuzz/fuzz/crashes/$h
    mkdir -p "$found" "$crashes"
    inputs=(fuzz/corpus/"$h")
    [ -d fuzz/regressions/"$h" ] && inputs+=(fuzz/regressions/"$h")
    build-fuzz/fuzz/"${h}"_fuzz "$found" "${inputs[@]}" -max_total_time="$seconds" \
        -max_len=100000 -timeout=10 -report_slow_units=1 -print_final_stats=1 \
        -artifact_prefix="$crashes"/
done
