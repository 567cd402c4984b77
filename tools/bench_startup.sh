#!/bin/bash
# Start-up benchmark of the desktop program: the time from starting the
# process to its main window being mapped on the screen, and the peak memory
# (resident set) of the run, as the median of several runs on a private
# virtual display. Everything is measured from outside; the program runs
# exactly as a player starts it.
#
# usage: tools/bench_startup.sh [RUNS] [PROGRAM]
#   RUNS     number of starts (default 7)
#   PROGRAM  the program to start (default build/dev/bin/vozi)
# Needs xvfb-run, xev (x11-utils), stdbuf (coreutils) and python3.
# Sound: SDL_AUDIODRIVER is passed through; without it the silent "dummy"
# driver is used, so a missing sound server does not distort the figures.
set -euo pipefail

if [ "${1:-}" != "--inside" ]; then
  runs=${1:-7}
  here=$(cd "$(dirname "$0")/.." && pwd)
  program=$(realpath "${2:-$here/build/dev/bin/vozi}")
  [ -x "$program" ] || { echo "no program at $program; build it first" >&2; exit 1; }
  export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$runs" "$program"
fi

exec python3 - "$2" "$3" <<'EOF'
import os, select, signal, statistics, subprocess, sys, time

runs, program = int(sys.argv[1]), sys.argv[2]

# The display's top-level windows, as they are mapped. Line-buffered so
# each map arrives at once.
watcher = subprocess.Popen(["stdbuf", "-oL", "xev", "-root", "-event", "substructure"],
                           stdout=subprocess.PIPE, bufsize=0)
events = watcher.stdout.fileno()
time.sleep(0.5)  # let xev select its events before the first start


def drain():
    while select.select([events], [], [], 0)[0] and os.read(events, 65536):
        pass


def wait_for_map(timeout):
    """The moment the display reports a top-level window mapped."""
    deadline = time.monotonic() + timeout
    while (left := deadline - time.monotonic()) > 0:
        if select.select([events], [], [], left)[0]:
            if b"MapNotify" in os.read(events, 65536):
                return time.monotonic()
    return None


def one_start():
    drain()
    started = time.monotonic()
    child = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    mapped = wait_for_map(10.0)
    time.sleep(0.5)  # the first paint and any late allocations count too
    own_mb = private_memory_mb(child.pid)
    child.send_signal(signal.SIGTERM)  # closes the window the normal way
    _, status, usage = os.wait4(child.pid, 0)
    if mapped is None:
        sys.exit("the window never appeared")
    return ((mapped - started) * 1000.0, usage.ru_maxrss / 1024.0, own_mb,
            os.waitstatus_to_exitcode(status))


def private_memory_mb(pid):
    """Resident memory of the process's own, not of the shared libraries' files."""
    fields = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            name, _, value = line.partition(":")
            fields[name] = value.split()[0] if value.split() else "0"
    return (int(fields.get("RssAnon", 0)) + int(fields.get("RssShmem", 0))) / 1024.0


print(f"program: {program}")
print(f"sound driver: {os.environ.get('SDL_AUDIODRIVER')}")
one_start()  # a first start warms the disk cache; not counted
times, memories, own = [], [], []
for run in range(1, runs + 1):
    shown_ms, peak_mb, own_mb, code = one_start()
    times.append(shown_ms)
    memories.append(peak_mb)
    own.append(own_mb)
    print(f"run {run}: window shown after {shown_ms:6.1f} ms, peak RSS {peak_mb:5.1f} MB "
          f"(private {own_mb:4.1f} MB), exit {code}")
watcher.terminate()
print(f"median of {runs}: window shown after {statistics.median(times):.1f} ms "
      f"(min {min(times):.1f}, max {max(times):.1f}), "
      f"peak RSS {statistics.median(memories):.1f} MB "
      f"(min {min(memories):.1f}, max {max(memories):.1f}), "
      f"private {statistics.median(own):.1f} MB")
print("goal: under 100 ms and 40 MB; the rest of the RSS is shared library and font pages")
EOF
