#!/usr/bin/env bash
# Times konwpl-cli against the copy limit and against tr, and measures its peak memory.
#
#   bench/run.sh [BUILD_DIR]        (default: build/cli; build it with CMAKE_BUILD_TYPE=Release
#                                    and KONWPL_BUILD_BENCH=ON)
#
# Environment: BENCH_DIR (default /tmp/konwpl-bench) holds the generated files, about 1.3 GiB
# while it runs; RUNS (default 5) is the number of timed runs of each command; MIB (default 256)
# the size of the large files.
#
# Record conversion: konwpl-cli -t tdSprzedaz on a standard sales file, against cp of the same
# file followed by sync of the copy (konwpl-cli puts its output on the disk before it ends, so
# the copy has to as well). Whole-text conversion: konwpl-cli -t 21 on a Mazovia text file with
# CR LF line ends, against tr translating the same 18 letters, followed by sync. The runs of a
# pair alternate, each starts with its output removed and the disk synced, and the source is in
# the page cache for both.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/cli}
cli=$build/cli/konwpl-cli
gen=$build/bench/make_bench_data
work=${BENCH_DIR:-/tmp/konwpl-bench}
runs=${RUNS:-5}
mib=${MIB:-256}

for program in "$cli" "$gen"; do
    [ -x "$program" ] || { echo "run.sh: $program is not built" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "run.sh: /usr/bin/time (package time) is needed" >&2; exit 2; }

mkdir -p "$work/src" "$work/out"
trap 'rm -rf "$work/out"' EXIT

# Mazovia -> CP-852, the 18 letters in the letter table's order, for tr.
maz='\206\215\221\222\244\242\236\247\246\217\225\220\234\245\243\230\241\240'
cp852='\245\206\251\210\344\242\230\276\253\244\217\250\235\343\340\227\275\215'

make_data() {  # kind name mib
    local file=$work/src/$2
    local bytes=$(($3 * 1024 * 1024))
    if [ ! -f "$file" ] || [ "$(stat -c %s "$file")" -gt "$bytes" ] ||
        [ "$(stat -c %s "$file")" -lt $((bytes - 8192)) ]; then
        "$gen" "$1" "$file" "$bytes"
    fi
}

make_data sales FAKT2008.REK "$mib"
make_data sales FAKT_16.REK 16
make_data text TEKST.TXT "$mib"
make_data text TEKST_16.TXT 16

# Seconds taken by one command, the output removed and the disk quiet before it starts.
time_once() {  # output command...
    local output=$1
    shift
    rm -f "$output"
    sync
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    awk -v ns=$((end - start)) 'BEGIN { printf "%.3f\n", ns / 1e9 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

copy_and_sync() { cp "$1" "$2" && sync "$2"; }
tr_and_sync() { tr "$maz" "$cp852" <"$1" >"$2" && sync "$2"; }

# Alternating runs of two commands; prints the two medians.
compare() {  # label output-a output-b -- command-a... -- command-b...
    local label=$1 out_a=$2 out_b=$3
    shift 3
    local a=() b=()
    shift  # --
    while [ "$1" != "--" ]; do a+=("$1"); shift; done
    shift
    b=("$@")
    cat "${a[-1]}" >/dev/null  # into the page cache
    local ta=() tb=()
    for ((i = 0; i < runs; i++)); do
        ta+=("$(time_once "$out_a" "${a[@]}")")
        tb+=("$(time_once "$out_b" "${b[@]}")")
    done
    local ma mb
    ma=$(printf '%s\n' "${ta[@]}" | median)
    mb=$(printf '%s\n' "${tb[@]}" | median)
    echo "$label: runs ${ta[*]} | ${tb[*]}" >&2
    echo "$ma $mb"
}

sales=$work/src/FAKT2008.REK
text=$work/src/TEKST.TXT
out=$work/out

read -r rec copy < <(compare "sales" "$out/FAKT2008.REK" "$out/copy.rek" \
    -- "$cli" -t tdSprzedaz -d "$out" "$sales" \
    -- copy_and_sync "$sales" "$out/copy.rek")
read -r whole trtime < <(compare "text" "$out/TEKST.TXT" "$out/tr.txt" \
    -- "$cli" -t 21 -d "$out" "$text" \
    -- tr_and_sync "$text" "$out/tr.txt")

# The converted files must match what the reference commands made where they can be compared.
cmp -s "$out/TEKST.TXT" "$out/tr.txt" || echo "run.sh: konwpl-cli -t 21 and tr differ" >&2

peak() {  # type file: peak resident set of konwpl-cli, in KiB
    rm -f "$out/$(basename "$2")"
    /usr/bin/time -f %M "$cli" -t "$1" -d "$out" "$2" 2>&1 >/dev/null | tail -n 1
}
peak_rec_16=$(peak tdSprzedaz "$work/src/FAKT_16.REK")
peak_rec_big=$(peak tdSprzedaz "$sales")
peak_txt_16=$(peak 21 "$work/src/TEKST_16.TXT")
peak_txt_big=$(peak 21 "$text")

size_mib() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.1f", b / 1048576 }'; }

verdict() { if awk "BEGIN { exit !($1) }"; then echo met; else echo MISSED; fi; }

echo
echo "konwpl-cli benchmark: $runs runs each, medians in seconds"
printf '%-44s %8s\n' "sales file, $(size_mib "$sales") MiB ($(($(stat -c %s "$sales") / 4642)) records)" ""
printf '  %-42s %8s\n' "konwpl-cli -t tdSprzedaz" "$rec" "cp + sync" "$copy"
printf '  %-42s %8s   goal <= 1.5: %s\n' "ratio" "$(awk "BEGIN { printf \"%.2f\", $rec / $copy }")" \
    "$(verdict "$rec <= 1.5 * $copy")"
printf '%-44s\n' "text file, $(size_mib "$text") MiB"
printf '  %-42s %8s\n' "konwpl-cli -t 21" "$whole" "tr + sync" "$trtime"
printf '  %-42s %8s   goal < 1.0: %s\n' "ratio" "$(awk "BEGIN { printf \"%.2f\", $whole / $trtime }")" \
    "$(verdict "$whole < $trtime")"
echo "peak memory of konwpl-cli (maximum resident set, KiB)"
printf '  %-42s %8s %8s   goal: within 4096 KiB: %s\n' "-t tdSprzedaz, 16 MiB / $mib MiB" \
    "$peak_rec_16" "$peak_rec_big" "$(verdict "($peak_rec_big - $peak_rec_16) <= 4096 && ($peak_rec_16 - $peak_rec_big) <= 4096")"
printf '  %-42s %8s %8s   goal: within 4096 KiB: %s\n' "-t 21, 16 MiB / $mib MiB" \
    "$peak_txt_16" "$peak_txt_big" "$(verdict "($peak_txt_big - $peak_txt_16) <= 4096 && ($peak_txt_16 - $peak_txt_big) <= 4096")"
