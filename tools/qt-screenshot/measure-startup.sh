#!/bin/bash
# Start-up time and peak memory of a windowed program on the current X display (run it under
# xvfb-run): milliseconds from start to the first viewable top-level window, and the peak
# resident set size reported by /usr/bin/time after the window has been up for half a second.
# The program is then ended with SIGTERM.
#
# usage: measure-startup.sh RUNS PROGRAM [ARGS...]
# prints one line per run: "<ms> ms <kB> kB"
set -u
runs=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

viewable() {
  xwininfo -root -children 2>/dev/null | awk '/^ +0x/ {print $1}' | while read -r id; do
    xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && echo "$id"
  done
}

before=$(viewable | sort)
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$work/rss" "$@" >/dev/null 2>&1 &
  timer=$!
  shown=
  while [ -z "$shown" ]; do
    if ! kill -0 "$timer" 2>/dev/null; then
      echo "the program ended before showing a window" >&2
      exit 1
    fi
    shown=$(comm -13 <(echo "$before") <(viewable | sort) | head -n 1)
  done
  end=$(date +%s%N)
  sleep 0.5
  program=$(pgrep -P "$timer")
  [ -n "$program" ] && kill "$program"
  wait "$timer" 2>/dev/null
  echo "$(( (end - start) / 1000000 )) ms $(tail -n 1 "$work/rss") kB"
done
