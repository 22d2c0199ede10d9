#!/bin/sh
# Measures the shipped program under Wine against the polling reference
# (bench/PollingFloor.cpp), the least program that follows the window in front, both with
# their bar on a still window in one prefix. Each round runs Panewarden, then the reference,
# then Panewarden with its window timer at 1000 ms, then Alt+A and Alt+S over 200 windows of another process, which then times showing them
# itself, the floor under Alt+S; BENCH_ROUNDS rounds (default 3)
# of BENCH_SECONDS each (default 20). Prints one table of medians: CPU of the program and of
# the prefix's wineserver, start-up time to the first placement, resident memory, the
# ratios Panewarden / reference, the hotkey times and the sizes of the stripped exes. It
# runs the i686 build where the machine runs 32-bit code, else the x86_64 one.
set -eu
cd "$(dirname "$0")/.."
seconds=${BENCH_SECONDS:-20}
rounds=${BENCH_ROUNDS:-3}
windows=200
# Seconds the scene is left to settle before the measured time, and that the probe holds it
# after, so that a busy machine does not end it early.
settle=2
spare=5

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

# User plus system time in clock ticks.
cpu_ticks() {
    sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

# Starts the probe with these arguments in the background and waits for the bar's first
# placement.
start_probe() {
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

# measure NAME PROGRAM PATTERN: one run of the program whose process name matches the
# pattern; adds "NAME program% wineserver% total% startup-ms rss-MB" to the results.
measure() {
    start_probe "$2" $((seconds + settle + spare))
    program=$(prefix_pid "$3")
    sleep "$settle"
    program_before=$(cpu_ticks "$program")
    server_before=$(cpu_ticks "$server")
    sleep "$seconds"
    program_ticks=$(($(cpu_ticks "$program") - program_before))
    server_ticks=$(($(cpu_ticks "$server") - server_before))
    # Gone only when the program ended early, which the probe reports.
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$program/status" 2>/dev/null) || true
    end_probe
    awk -v name="$1" -v p="$program_ticks" -v w="$server_ticks" -v hz="$(getconf CLK_TCK)" \
        -v s="$seconds" -v startup="$(probe_value startup-ms)" -v rss="$rss" 'BEGIN {
            f = 100 / hz / s
            printf "%s %.3f %.3f %.3f %d %.2f\n", name, p * f, w * f, (p + w) * f, startup, rss / 1024
        }' >>"$work/results"
}

# Alt+A and Alt+S over the windows of another process; adds "hotkeys hide-ms show-ms".
measure_hotkeys() {
    start_probe "$work/Panewarden/Panewarden.exe" hotkeys "$windows"
    end_probe
    echo "hotkeys $(probe_value hide-all-ms) $(probe_value show-all-ms)" >>"$work/results"
    # What Alt+S cannot beat: the windows' own program showing them, unasked.
    wine_run "$arch" "$work/BenchProbe.exe" own-shows "$windows" >"$work/probe.log" 2>&1 </dev/null
    echo "own-shows $(probe_value own-show-ms)" >>"$work/results"
}

server=$(prefix_pid 'wineserver*')
round=1
while [ "$round" -le "$rounds" ]; do
    echo "bench: round $round of $rounds" >&2
    measure panewarden "$work/Panewarden/Panewarden.exe" Panewarden.exe
    measure reference "$work/PollingFloor.exe" 'PollingFloor*'
    measure panewarden-1000 "$work/Panewarden-1000/Panewarden.exe" Panewarden.exe
    measure_hotkeys
    round=$((round + 1))
done

# median NAME COLUMN
median() {
    awk -v name="$1" -v column="$2" '$1 == name { print $column }' "$work/results" | sort -n |
        awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# row LABEL COLUMN FORMAT: Panewarden's and the reference's medians and their ratio.
row() {
    awk -v label="$1" -v format="$3" -v p="$(median panewarden "$2")" \
        -v r="$(median reference "$2")" 'BEGIN {
            printf "| %s | " format " | " format " | %s |\n", label, p, r,
                (r > 0 ? sprintf("%.2f", p / r) : "-")
        }'
}

size() {
    echo "$(($(stat -c %s "$1/Panewarden.exe") / 1024)) KB"
}
echo "| $arch, bar on a still window, medians of $rounds rounds of $seconds s | Panewarden | reference | ratio |"
echo "|---|---|---|---|"
row "CPU of the program" 2 "%.1f %%"
row "CPU of the prefix's wineserver" 3 "%.1f %%"
row "CPU of both" 4 "%.1f %%"
awk -v p="$(median panewarden-1000 2)" -v r="$(median reference 2)" 'BEGIN {
    printf "| CPU of the program, its window timer at 1000 ms; reference at 10 ms | %.1f %% | %.1f %% | %s |\n", p, r, (r > 0 ? sprintf("%.2f", p / r) : "-")
}'
row "Start-up to the first placement" 5 "%.0f ms"
row "Resident memory of the program" 6 "%.1f MB"
printf '| Alt+A until %d windows of another process are hidden | %.0f ms | | |\n' "$windows" \
    "$(median hotkeys 2)"
awk -v p="$(median hotkeys 3)" -v r="$(median own-shows 2)" 'BEGIN {
    printf "| Alt+S until they are all shown again; reference: their program showing them itself | %.0f ms | %.0f ms | %.2f |\n", p, r, p / r
}'
echo "| Panewarden.exe stripped, i686 | $(size dist/Panewarden) | | |"
echo "| Panewarden.exe stripped, x86_64 | $(size dist/Panewarden-x64) | | |"
