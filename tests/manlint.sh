#!/bin/sh
# The manual page renders without a warning: mandoc's lint where it is
# installed, else man's own warnings.
# usage: manlint.sh PAGE
# Exit status: 0 clean, 1 warnings, 77 no formatter to check with.
page=$1
[ -f "$page" ] || { echo "no page $page"; exit 1; }
if command -v mandoc >/dev/null; then
	out=$(mandoc -T lint "$page" 2>&1)
elif command -v man >/dev/null; then
	out=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
else
	echo "SKIP: neither mandoc nor man is installed"
	exit 77
fi
[ -z "$out" ] && exit 0
printf '%s\n' "$out"
exit 1
