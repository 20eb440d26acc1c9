#!/usr/bin/env bash
# One conversion of a 200-byte program stays within its instruction
# budget. A run's work is tiny, so what it costs is starting the process;
# this catches a change that makes that dear (a shared C++ runtime to load,
# say). callgrind counts instructions, the same from run to run, and the
# run gets an empty environment, whose size the C library's start-up would
# otherwise add.
# usage: cost.sh PROGRAM BUDGET SCRATCH
# Exit status: 0 within budget, 1 over it, 77 no valgrind, 99 no fixture.
prog=$1 budget=$2 dir=$3
command -v valgrind >/dev/null || { echo "SKIP: no valgrind"; exit 77; }
rm -rf "$dir" && mkdir -p "$dir" && cd "$dir" || exit 99
head -c 200 /dev/urandom >p.kex || exit 99
out=$(env -i valgrind --tool=callgrind --callgrind-out-file=/dev/null \
	"$prog" p.kex 2>&1) || { printf '%s\n' "$out"; exit 1; }
n=$(printf '%s\n' "$out" | sed -n 's/.*Collected : *\([0-9]*\).*/\1/p')
[[ -n $n && $(stat -c %s p.kim) == 256 ]] || { printf '%s\n' "$out"; exit 1; }
echo "$n instructions, budget $budget"
((n <= budget))
