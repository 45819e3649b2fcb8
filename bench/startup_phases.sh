#!/bin/sh
# Where the start-up time goes, phase by phase, for the program and the
# bare Qt window: each program is launched `bypass` on a private Xvfb
# (1920x1080) while `perf` records three moments from the kernel, with no
# change to the programs:
#   exec      the process starts (sched:sched_process_exec);
#   Qt ready  the QApplication constructor returns (a return probe in
#             libQt6Widgets);
#   painted   the first image is handed to the X server (xcb_shm_put_image).
# Rounds are interleaved (program 1, program 2, ... then again). Printed per
# program: the medians (and ranges) of exec -> Qt ready (libraries, their
# constructors, Qt's platform start), Qt ready -> painted (what the program
# itself does before its first frame) and the total. The second phase is the
# one a change to the program moves; the first varies with the load.
#
#   bench/startup_phases.sh [rounds] program...
#
# Needs root (for the probes), perf (Debian: linux-perf, not installed by
# scripts/install-deps.sh), xvfb and x11-utils. Prints figures only.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
rounds=${1:-9}
shift || true
[ $# -gt 0 ] || set -- "$here/../build/korvelin" "$here/../build/bench/barewindow"
for program in "$@"; do
    [ -x "$program" ] || { echo "no program at $program" >&2; exit 1; }
done
command -v perf >/dev/null || { echo "perf is not installed" >&2; exit 1; }

. "$here/../scripts/lib/xserver.sh"
xserver_start 1920x1080x24
xserver_private_home

widgets=$(ldconfig -p | awk '/libQt6Widgets.so.6 .*x86-64/ { print $NF; exit }')
shm=$(ldconfig -p | awk '/libxcb-shm.so.0 .*x86-64/ { print $NF; exit }')
constructor=$(nm -D "$widgets" | awk '/ T _ZN12QApplicationC2ERiPPci/ { print $1; exit }')
perf probe -q -d 'probe_phases:*' 2>/dev/null || true
perf probe -q -x "$widgets" -a "probe_phases:qtready=0x$constructor%return"
perf probe -q -x "$shm" -a "probe_phases:painted=xcb_shm_put_image"
xserver_cleanup_more() { perf probe -q -d 'probe_phases:*' 2>/dev/null || true; }

results="$WORK/phases"
: >"$results"
round=0
while [ "$round" -lt "$rounds" ]; do
    round=$((round + 1))
    for program in "$@"; do
        xserver_private_home
        timeout -s INT 3 perf record -q -o "$WORK/perf.data" -e sched:sched_process_exec \
            -e 'probe_phases:*' -- sh -c '"$0" bypass >/dev/null 2>&1 & p=$!; sleep 1.2; kill $p' \
            "$program" >/dev/null 2>&1 || true
        name=$(basename "$program" | cut -c1-15)
        perf script -i "$WORK/perf.data" -F comm,time,event 2>/dev/null | awk -v name="$name" -v program="$program" '
            { sub(":", "", $2) }
            $1 == name && /sched_process_exec/ && exec == "" { exec = $2 }
            $1 == name && /qtready/ && exec != "" && ready == "" { ready = $2 }
            $1 == name && /painted/ && ready != "" && painted == "" { painted = $2 }
            END { if (painted != "") printf "%s %.2f %.2f %.2f\n", program, (ready - exec) * 1000, (painted - ready) * 1000, (painted - exec) * 1000 }
        ' >>"$results"
    done
done

echo "bypass on Xvfb $DISPLAY (1920x1080), $rounds rounds, programs interleaved"
for program in "$@"; do
    grep -F "$program " "$results" | awk -v program="$program" '
        function median(a, n,   i, j, t) {
            for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
            return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
        }
        { n++; r[n] = $2; o[n] = $3; t[n] = $4 }
        END {
            if (n == 0) { printf "%s: no complete launch\n", program; exit }
            printf "%s, %d launches: exec -> Qt ready %.1f ms (%.1f-%.1f), Qt ready -> painted %.1f ms (%.1f-%.1f), total %.1f ms (%.1f-%.1f)\n",
                program, n, median(r, n), r[1], r[n], median(o, n), o[1], o[n], median(t, n), t[1], t[n]
        }'
done
