#!/bin/sh
# Measures the shipped program under Wine against the polling reference
# (bench/PollingFloor.cpp), the least program that follows the window in front, both with
# their bar on a still window in one prefix. Each of BENCH_ROUNDS rounds (default 3) runs
# Panewarden and the reference for BENCH_SECONDS each (default 20), in slices of
# BENCH_SLICE seconds (default 5) that alternate one, the other, the other, the one, so
# that a machine whose load drifts weighs on both alike; then Panewarden with its window
# timer at 1000 ms, then Alt+A and Alt+S over 200 windows of another process, which then
# times showing them itself, the floor under Alt+S. CPU is the time the kernel counts in
# nanoseconds. Prints one table: medians of the slices' CPU of the program and of the
# prefix's wineserver, start-up time to the first placement and resident memory; each
# ratio Panewarden / reference the median of the slice pairs' ratios; the hotkey times and
# the sizes of the stripped exes. It runs the i686 build where the machine runs 32-bit
# code, else the x86_64 one.
set -eu
cd "$(dirname "$0")/.."
seconds=${BENCH_SECONDS:-20}
rounds=${BENCH_ROUNDS:-3}
slice=${BENCH_SLICE:-5}
slices=$(((seconds + slice - 1) / slice))
windows=200
# Seconds the scene is left to settle before the measured time, and that the probe holds it
# after, so that a busy machine does not end it early.
settle=2
spare=3

scripts/dist.sh >/dev/null
. scripts/wine-env.sh
arch=i686
folder=dist/Panewarden
if ! wine_runs_32bit; then
    arch=x86_64
    folder=dist/Panewarden-x64
fi
scripts/build.sh "$arch" BenchProbe PollingFloor >/dev/null
work=$PWD/build/bench
rm -rf "$work"
mkdir -p "$work"
cp -R "$folder" "$work/Panewarden"
cp "build/$arch/BenchProbe.exe" "$work/BenchProbe.exe"
cp "build/$arch/PollingFloor.exe" "$work/PollingFloor.exe"
"$arch-w64-mingw32-strip" "$work/PollingFloor.exe"
# The defaults, without the first run's balloon; and a copy whose window timer runs at the
# longest period the preferences offer.
printf 'Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n' >"$work/Panewarden/Paneward.cfg"
cp -R "$work/Panewarden" "$work/Panewarden-1000"
printf 'Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n1000\r\n' >"$work/Panewarden-1000/Paneward.cfg"

wine_up build/wineprefix-bench private

# The process whose name matches the pattern, in this prefix only: other prefixes' programs
# may run beside it.
prefix_pid() {
    for dir in /proc/[0-9]*; do
        # Read without a fork per process: on a busy machine the walk would take seconds.
        read -r name 2>/dev/null <"$dir/comm" || continue
        # shellcheck disable=SC2254 # the pattern is meant to match
        case "$name" in $1) ;; *) continue ;; esac
        if tr '\0' '\n' 2>/dev/null <"$dir/environ" | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "${dir#/proc/}"
            return 0
        fi
    done
    echo "bench: no $1 process in $WINEPREFIX" >&2
    return 1
}

# Time on a CPU of all the process's threads, in nanoseconds: clock ticks are too coarse for
# a slice of a few seconds at a few per cent.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat | awk '{ ns += $1 } END { printf "%.0f\n", ns }'
}

# Starts the probe with these arguments in the background and waits for the bar's first
# placement.
start_probe() {
    # Emptied first: the background job may open it only after the wait below has looked.
    : >"$work/probe.log"
    wine_run "$arch" "$work/BenchProbe.exe" "$@" >"$work/probe.log" 2>&1 </dev/null &
    probe=$!
    until grep -q '^startup-ms' "$work/probe.log"; do
        if ! kill -0 "$probe" 2>/dev/null; then
            cat "$work/probe.log" >&2
            exit 1
        fi
        sleep 0.05
    done
}

end_probe() {
    if ! wait "$probe"; then
        cat "$work/probe.log" >&2
        exit 1
    fi
}

probe_value() {
    # The probe's lines end in CR LF.
    awk -v key="$1" '$1 == key { sub(/\r$/, "", $2); print $2 }' "$work/probe.log"
}

# measure NAME PAIR PROGRAM PATTERN SECONDS: one run of the program whose process name
# matches the pattern; adds "NAME PAIR program% wineserver% total% startup-ms rss-MB" to
# the results.
measure() {
    start_probe "$3" $(($5 + settle + spare))
    program=$(prefix_pid "$4")
    sleep "$settle"
    program_before=$(cpu_ns "$program")
    server_before=$(cpu_ns "$server")
    sleep "$5"
    program_ns=$(($(cpu_ns "$program") - program_before))
    server_ns=$(($(cpu_ns "$server") - server_before))
    # Gone only when the program ended early, which the probe reports.
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$program/status" 2>/dev/null) || true
    end_probe
    awk -v name="$1" -v pair="$2" -v p="$program_ns" -v w="$server_ns" -v s="$5" \
        -v startup="$(probe_value startup-ms)" -v rss="$rss" 'BEGIN {
            f = 100 / 1e9 / s
            printf "%s %s %.3f %.3f %.3f %d %.2f\n", name, pair, p * f, w * f, (p + w) * f,
                startup, rss / 1024
        }' >>"$work/results"
}

# Alt+A and Alt+S over the windows of another process; adds "hotkeys hide-ms show-ms".
measure_hotkeys() {
    start_probe "$work/Panewarden/Panewarden.exe" hotkeys "$windows"
    end_probe
    echo "hotkeys - $(probe_value hide-all-ms) $(probe_value show-all-ms)" >>"$work/results"
    # What Alt+S cannot beat: the windows' own program showing them, unasked.
    wine_run "$arch" "$work/BenchProbe.exe" own-shows "$windows" >"$work/probe.log" 2>&1 </dev/null
    echo "own-shows - $(probe_value own-show-ms)" >>"$work/results"
}

measure_panewarden() {
    measure panewarden "$1" "$work/Panewarden/Panewarden.exe" Panewarden.exe "$slice"
}

measure_reference() {
    measure reference "$1" "$work/PollingFloor.exe" 'PollingFloor*' "$slice"
}

server=$(prefix_pid 'wineserver*')
round=1
while [ "$round" -le "$rounds" ]; do
    echo "bench: round $round of $rounds" >&2
    n=1
    while [ "$n" -le "$slices" ]; do
        pair=$round.$n
        if [ $((n % 2)) -eq 1 ]; then
            measure_panewarden "$pair"
            measure_reference "$pair"
        else
            measure_reference "$pair"
            measure_panewarden "$pair"
        fi
        n=$((n + 1))
    done
    measure panewarden-1000 "$round" "$work/Panewarden-1000/Panewarden.exe" Panewarden.exe \
        "$seconds"
    measure_hotkeys
    round=$((round + 1))
done

# median: of the numbers on standard input, one a line.
median() {
    sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# column NAME COLUMN: the column of the results of that name.
column() {
    awk -v name="$1" -v column="$2" '$1 == name { print $column }' "$work/results"
}

# Panewarden's value over the reference's in the same pair, for each pair.
pair_ratios() {
    awk -v column="$1" '$1 == "panewarden" { p[$2] = $column } $1 == "reference" { r[$2] = $column }
        END { for (pair in p) if (pair in r && r[pair] > 0) print p[pair] / r[pair] }' "$work/results"
}

# row LABEL COLUMN FORMAT: Panewarden's and the reference's medians and the median ratio.
row() {
    awk -v label="$1" -v format="$3" -v p="$(column panewarden "$2" | median)" \
        -v r="$(column reference "$2" | median)" -v ratio="$(pair_ratios "$2" | median)" 'BEGIN {
            printf "| %s | " format " | " format " | %.2f |\n", label, p, r, ratio
        }'
}

size() {
    echo "$(($(stat -c %s "$1/Panewarden.exe") / 1024)) KB"
}
echo "| $arch, bar on a still window, medians of $((rounds * slices)) slices of $slice s each | Panewarden | reference | ratio |"
echo "|---|---|---|---|"
row "CPU of the program" 3 "%.1f %%"
row "CPU of the prefix's wineserver" 4 "%.1f %%"
row "CPU of both" 5 "%.1f %%"
awk -v p="$(column panewarden-1000 3 | median)" -v r="$(column reference 3 | median)" 'BEGIN {
    printf "| CPU of the program, its window timer at 1000 ms; reference at 10 ms | %.1f %% | %.1f %% | %s |\n", p, r, (r > 0 ? sprintf("%.2f", p / r) : "-")
}'
row "Start-up to the first placement" 6 "%.0f ms"
row "Resident memory of the program" 7 "%.1f MB"
printf '| Alt+A until %d windows of another process are hidden | %.0f ms | | |\n' "$windows" \
    "$(column hotkeys 3 | median)"
awk -v p="$(column hotkeys 4 | median)" -v r="$(column own-shows 3 | median)" 'BEGIN {
    printf "| Alt+S until they are all shown again; reference: their program showing them itself | %.0f ms | %.0f ms | %.2f |\n", p, r, p / r
}'
# How steady the CPU ratio is: the middle half of the pairs' ratios.
pair_ratios 5 | sort -n | awk '{ v[NR] = $1 } END {
    printf "| CPU of both, ratio: the middle half of the %d pairs | | | %.2f to %.2f |\n", NR,
        v[int((NR + 3) / 4)], v[int((3 * NR + 3) / 4)]
}'
echo "| Panewarden.exe stripped, i686 | $(size dist/Panewarden) | | |"
echo "| Panewarden.exe stripped, x86_64 | $(size dist/Panewarden-x64) | | |"
