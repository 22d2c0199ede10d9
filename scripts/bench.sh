#!/bin/sh
# Measures the shipped program under Wine, with its bar riding on a still window in
# front: CPU of Panewarden's process and of the prefix's wineserver over BENCH_SECONDS
# (default 20), start-up time to the first placement on that window, resident memory,
# and the sizes of the stripped exes. Prints one table. It runs the i686 build where the
# machine runs 32-bit code, else the x86_64 one.
set -eu
cd "$(dirname "$0")/.."
seconds=${BENCH_SECONDS:-20}
# Seconds the scene is left to settle before the measured time.
settle=2

scripts/dist.sh >/dev/null
. scripts/wine-env.sh
arch=i686
folder=dist/Panewarden
if ! wine_runs_32bit; then
    arch=x86_64
    folder=dist/Panewarden-x64
fi
scripts/build.sh "$arch" BenchProbe >/dev/null
work=$PWD/build/bench
rm -rf "$work"
mkdir -p "$work"
cp -R "$folder" "$work/Panewarden"
cp "build/$arch/BenchProbe.exe" "$work/BenchProbe.exe"
# The defaults, without the first run's balloon.
printf 'Windows Standard\r\nFALSE\r\n500\r\nTRUE\r\n10\r\n' >"$work/Panewarden/Paneward.cfg"

wine_up build/wineprefix-bench private

# The process whose name matches the pattern, in this prefix only: other prefixes' programs
# may run beside it.
prefix_pid() {
    for dir in /proc/[0-9]*; do
        # shellcheck disable=SC2254 # the pattern is meant to match
        case "$(cat "$dir/comm" 2>/dev/null)" in $1) ;; *) continue ;; esac
        if tr '\0' '\n' <"$dir/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
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

wine_run "$arch" "$work/BenchProbe.exe" "$work/Panewarden/Panewarden.exe" $((seconds + settle + 2)) \
    >"$work/probe.log" 2>&1 </dev/null &
probe=$!
until grep -q '^startup-ms' "$work/probe.log"; do
    if ! kill -0 "$probe" 2>/dev/null; then
        cat "$work/probe.log" >&2
        exit 1
    fi
    sleep 0.05
done
startup=$(awk '/^startup-ms/ { print $2 }' "$work/probe.log")
program=$(prefix_pid Panewarden.exe)
server=$(prefix_pid 'wineserver*')

sleep "$settle"
program_before=$(cpu_ticks "$program")
server_before=$(cpu_ticks "$server")
sleep "$seconds"
program_after=$(cpu_ticks "$program")
server_after=$(cpu_ticks "$server")
rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$program/status")
wait "$probe"

hz=$(getconf CLK_TCK)
percent() {
    awk -v ticks=$(($2 - $1)) -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.1f %%", 100 * ticks / hz / s }'
}
size() {
    echo "$(($(stat -c %s "$1/Panewarden.exe") / 1024)) KB"
}
echo "| Panewarden ($arch), bar on a still window, ${seconds} s | |"
echo "|---|---|"
echo "| CPU of Panewarden.exe | $(percent "$program_before" "$program_after") |"
echo "| CPU of the prefix's wineserver | $(percent "$server_before" "$server_after") |"
echo "| Start-up to the first placement | $startup ms |"
echo "| Resident memory of Panewarden.exe | $(awk -v kb="$rss" 'BEGIN { printf "%.1f MB", kb / 1024 }') |"
echo "| Panewarden.exe stripped, i686 | $(size dist/Panewarden) |"
echo "| Panewarden.exe stripped, x86_64 | $(size dist/Panewarden-x64) |"
