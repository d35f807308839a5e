#!/usr/bin/env bash
# Runs a fuzzing campaign on the targets of fuzz/ for DURATION seconds in all, shared equally
# among them, and says how many inputs each ran. Builds build-fuzz with clang and libFuzzer
# first. New inputs go to build-fuzz/corpus/NAME (the seeds of fuzz/corpus/NAME are read, never
# written); an input that breaks a property is kept as build-fuzz/crash-NAME-*, and the run
# then ends with status 1. Usage: scripts/fuzz.sh DURATION
set -euo pipefail

durata="${1:-}"
if ! [[ "$durata" =~ ^[0-9]+$ ]] || ((durata < 4)); then
    echo "uso: scripts/fuzz.sh DURATION (secondi, almeno 4)" >&2
    exit 2
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
bersagli=(conversioni dati ricalcolo sessione tabella)

if ! command -v clang++ >/dev/null; then
    echo "fuzz.sh: serve clang con libFuzzer (Debian: apt-get install clang)" >&2
    exit 1
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DTESSARO_FUZZ=ON -DTESSARO_TESTS=OFF >/dev/null
cmake --build "$build" --target "${bersagli[@]/#/fuzz_}" -- -j2

per_bersaglio=$((durata / ${#bersagli[@]}))
totale=0
stato=0
for nome in "${bersagli[@]}"; do
    mkdir -p "$build/corpus/$nome"
    log="$build/fuzz-$nome.log"
    if ! "$build/fuzz/fuzz_$nome" -max_total_time="$per_bersaglio" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/crash-$nome-" \
        "$build/corpus/$nome" "$root/fuzz/corpus/$nome" >"$log" 2>&1; then
        echo "$nome: proprietà violata o guasto, vedi $log" >&2
        stato=1
    fi
    eseguiti=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    eseguiti=${eseguiti:-0}
    totale=$((totale + eseguiti))
    echo "$nome: $eseguiti input in ${per_bersaglio} s"
done
echo "totale: $totale input"
exit $stato
