#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz/ (clang, ASan and UBSan) and runs each one briefly from its
# seeds: every target listed in build-fuzz/fuzz-targets/*.txt, as "program|dictionary|seed,folders".
# A crash, a sanitizer report, a leak or an input that hangs fails the run. Each target fuzzes a scratch
# copy of its seeds in a temporary folder, so the repository's seeds are never written; what a failing
# run found is kept in build-fuzz/crashes/, its output in build-fuzz/fuzz-logs/.
# Skipped when clang++ is missing or LYNVAR_FUZZ_SMOKE=0; LYNVAR_FUZZ_SECONDS sets the time per target.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

if [[ "${LYNVAR_FUZZ_SMOKE:-1}" == "0" ]]; then
    echo "fuzz smoke: skipped (LYNVAR_FUZZ_SMOKE=0)"
    exit 0
fi
if ! command -v clang++ >/dev/null || ! command -v clang >/dev/null; then
    echo "fuzz smoke: skipped, clang++ is not installed"
    exit 0
fi
seconds=${LYNVAR_FUZZ_SECONDS:-20}
build=build-fuzz
started=$SECONDS

# The list of targets is written anew by each configure, so a target that has gone leaves no entry.
mkdir -p "$build"
rm -rf "$build/fuzz-targets"
if ! CC=clang CXX=clang++ cmake -S . -B "$build" -DLYNVAR_FUZZ=ON -DLYNVAR_BENCHMARKS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$build/configure.log" 2>&1; then
    cat "$build/configure.log" >&2
    echo "fuzz smoke: configuring $build failed" >&2
    exit 1
fi
shopt -s nullglob
lists=("$build"/fuzz-targets/*.txt)
if [[ ${#lists[@]} -eq 0 ]]; then
    echo "fuzz smoke: $build lists no fuzz target (see $build/configure.log)" >&2
    exit 1
fi
targets=()
for list in "${lists[@]}"; do
    targets+=("$(basename "$list" .txt)")
done

# Only the fuzz programs and the libraries they link are built here.
if ! cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >"$build/build.log" 2>&1; then
    tail -n 60 "$build/build.log" >&2
    echo "fuzz smoke: building the fuzz targets failed (whole output in $build/build.log)" >&2
    exit 1
fi
echo "fuzz smoke: built ${targets[*]} in $((SECONDS - started)) s"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/fuzz-logs" "$build/crashes"
failed=()
for list in "${lists[@]}"; do
    name=$(basename "$list" .txt)
    IFS='|' read -r program dict seeds <"$list"
    corpus="$scratch/$name"
    mkdir -p "$corpus"
    IFS=',' read -r -a seedDirs <<<"$seeds"
    for i in "${!seedDirs[@]}"; do
        if [[ -d "${seedDirs[$i]}" ]]; then
            cp -r "${seedDirs[$i]}" "$corpus/seeds$i"
        else
            echo "fuzz smoke: $name: seed folder ${seedDirs[$i]} is missing, fuzzing without it"
        fi
    done
    args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="$top/$build/crashes/$name-")
    [[ -n "$dict" ]] && args+=(-dict="$dict")
    log="$build/fuzz-logs/$name.log"
    if "$program" "${args[@]}" "$corpus" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        figures=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+' || true)
        echo "fuzz smoke: $name passed: ${runs:-?} runs in $seconds s, ${figures:-no coverage figures}"
    else
        tail -n 40 "$log" >&2
        echo "fuzz smoke: $name FAILED (output in $log, the input in $build/crashes/)" >&2
        failed+=("$name")
    fi
done
if [[ ${#failed[@]} -gt 0 ]]; then
    echo "fuzz smoke: failed: ${failed[*]}" >&2
    exit 1
fi
echo "fuzz smoke: ${#lists[@]} targets passed in $((SECONDS - started)) s"
