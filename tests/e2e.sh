#!/usr/bin/env bash
# End-to-end cases: run the built program in a scratch folder and compare its
# standard output, its exit status and the files it leaves, byte for byte.
#
# usage: e2e.sh CASE PROGRAM [RUNNER...]
# Each function t_CASE below is one case. RUNNER is a command that runs
# PROGRAM (Wine, for Lodewise.exe). The environment gives
#   LODEWISE_SCRATCH   where the case's scratch folder is made
#   LODEWISE_EXAMPLES  the sample program and its expected image
#   LODEWISE_GOLDEN    the expected texts
# Exit status: 0 passed, 1 failed, 77 skipped, 99 the fixture could not be made.

set -u
case=$1
prog=$2
run=("${@:3}")
windows=
[[ $prog == *.exe ]] && windows=1

failed=0
fail() {
	echo "FAIL: $*"
	failed=1
}
skip() {
	echo "SKIP: $*"
	exit 77
}
broken() {
	echo "BROKEN FIXTURE: $*"
	exit 99
}
posixonly() {
	[[ -z $windows ]] || skip "$1"
}
# Under Wine the program sees the Linux file system: the links and devices
# that a case makes there are real to it, as they need not be on Windows.
wine=
for w in "${run[@]}"; do
	[[ ${w##*/} == wine || ${w##*/} == wine64 ]] && wine=1
done
unixfs() {
	[[ -z $windows || -n $wine ]] || skip "$1"
}

# zeros N: N bytes 0x00.
zeros() {
	head -c "$1" /dev/zero
}

# The program runs with the signals it meets in a shell, whatever the test
# runner ignores: a case about a closed pipe or a size limit must see the
# program's own answer, not one it inherited.
if env --default-signal=PIPE,XFSZ true 2>/dev/null; then
	run=(env --default-signal=PIPE,XFSZ "${run[@]}")
fi

# lodewise ARG...: run the program in the scratch folder, with no standard
# input; its status goes to $st, its output to ../out and ../err.
lodewise() {
	"${run[@]}" "$prog" "$@" >../out 2>../err </dev/null
	st=$?
}

# gone ARG...: the same, with standard output a pipe whose reader has
# already closed it, so every write to it fails.
gone() {
	rm -f ../pipe && mkfifo ../pipe || broken "mkfifo"
	# Opened for reading and writing, a FIFO opens without waiting; the
	# reading end is then closed, and only the writing end is left.
	exec 3<>../pipe 4>../pipe 3<&-
	"${run[@]}" "$prog" "$@" >&4 2>../err </dev/null
	st=$?
	exec 4>&-
}

# expect STATUS TEXT: the last run ended with STATUS, wrote exactly TEXT on
# standard output and nothing on standard error; TEXT @FILE is a golden
# text. Standard output is a text stream, so on Windows each line end
# reaches the file as CR LF.
expect() {
	local want=$2
	if [[ $want == @* ]]; then
		want=$(cat "$LODEWISE_GOLDEN/${want#@}" && printf x) || broken "no $2"
		want=${want%x}
	fi
	[[ -z $windows ]] || want=${want//$'\n'/$'\r\n'}
	printf '%s' "$want" >../want
	[[ $st == "$1" ]] || fail "exit status $st, expected $1"
	cmp -s ../want ../out || fail "standard output differs:
$(od -c ../out | head -n 20)"
	[[ ! -s ../err ]] || fail "standard error: $(head -c 500 ../err)"
}

# same FILE BYTES-FILE: FILE holds exactly those bytes.
same() {
	cmp -s "$1" "$2" || fail "$1 differs from what was expected:
$(od -An -tx1 "$1" | head -n 20)"
}

# emptied FILE [WHAT]: FILE exists and holds nothing, as an image that was
# created but never written must.
emptied() {
	[[ -f $1 && ! -s $1 ]] ||
		fail "${2:+$2: }$1 is not an empty file:
$(od -An -tx1 "$1" 2>&1 | head -n 4)"
}

# snap: the scratch folder's entries, sizes, times and contents, to tell
# whether a run touched anything.
snap() {
	find . -printf '%p %y %s %T@ %l\n' | sort
	find . -type f -exec cksum {} + | sort
}

noopen() {
	printf 'Could not open Kelvaron EXecutable file: %s.' "$1"
}
nocreate() {
	printf 'Could not create Kelvaron BootStrap file: %s.' "$1"
}

# --- status 0: the image is written ---

# The sample program gives the image shipped beside it.
t_converts_example() {
	cp "$LODEWISE_EXAMPLES/hello.kex" . || broken "no example"
	lodewise hello.kex
	expect 0 ''
	same hello.kim "$LODEWISE_EXAMPLES/hello.kim"
}

# The typed extension is ignored: File.txt reads File.kex and writes
# File.kim, replacing a longer older image.
t_typed_extension_is_ignored() {
	printf '\1\2\3' >File.kex
	zeros 1000 | tr '\0' 'J' >File.kim
	{ printf '\377\377' && zeros 251 && printf '\3\2\1'; } >../want.kim
	for arg in File.txt File. File.k File.kexkex; do
		lodewise "$arg"
		expect 0 ''
		same File.kim ../want.kim
	done
	[[ ! -e File.txt ]] || fail "File.txt was created"
}

# Source lengths at both ends of the range; 0x00 and 0xFF are data.
t_lengths() {
	: >empty.kex
	{ printf '\377\377' && zeros 254; } >../empty.kim
	lodewise empty.kex
	expect 0 ''
	same empty.kim ../empty.kim

	{ printf '\377' && zeros 252 | tr '\0' A && printf '\0'; } >full.kex
	{ printf '\377\377\0' && zeros 252 | tr '\0' A && printf '\377'; } >../full.kim
	lodewise full.kex
	expect 0 ''
	same full.kim ../full.kim

	{ zeros 127 | tr '\0' A && zeros 127 | tr '\0' B; } >order.kex
	{ printf '\377\377' && zeros 127 | tr '\0' B && zeros 127 | tr '\0' A; } >../order.kim
	lodewise order.kex
	expect 0 ''
	same order.kim ../order.kim
}

# Names are printed and opened as typed, never read as formats.
t_names_as_typed() {
	printf 'Z' >'%s%n.kex'
	{ printf '\377\377' && zeros 253 && printf 'Z'; } >../want.kim
	lodewise '%s%n.txt'
	expect 0 ''
	same '%s%n.kim' ../want.kim

	printf 'Z' >'my prog.kex'
	lodewise 'my prog.kex'
	expect 0 ''
	same 'my prog.kim' ../want.kim

	lodewise '%d%x.txt'
	expect 2 "$(noopen '%d%x.kex')"
}

# Bytes above 0x7F in a name pass through unchanged.
t_eight_bit_name() {
	posixonly "Windows maps 8-bit names through its code page"
	local name=$'\xe9t\xe9\xff'
	printf 'Z' >"$name.kex"
	{ printf '\377\377' && zeros 253 && printf 'Z'; } >../want.kim
	lodewise "$name.kex"
	expect 0 ''
	same "$name.kim" ../want.kim

	lodewise $'\xff\x01.txt'
	expect 2 "$(noopen $'\xff\x01.kex')"
}

# The first '.' ends the stem, also in a directory part.
t_directory_part() {
	local arg='dir.d/prog.kex'
	[[ -z $windows ]] || arg='dir.d\prog.kex'
	mkdir dir.d
	printf 'X' >dir.d/prog.kex
	printf '\1\2' >dir.kex
	{ printf '\377\377' && zeros 252 && printf '\2\1'; } >../want.kim
	lodewise "$arg"
	expect 0 ''
	same dir.kim ../want.kim
	[[ ! -e dir.d/prog.kim ]] || fail "dir.d/prog.kim was created"
}

# --- status 1: not exactly one argument ---

t_usage() {
	printf 'A' >a.kex
	printf 'B' >b.kex
	local before
	before=$(snap)
	lodewise
	expect 1 @usage.txt
	lodewise a.kex b.kex
	expect 1 @usage.txt
	lodewise a.kex b.kex a.kex
	expect 1 @usage.txt
	lodewise ''  ''
	expect 1 @usage.txt
	[[ $(snap) == "$before" ]] || fail "a file was touched"
}

# The usage text names the program by its usual name, whatever the file
# is called.
t_usage_under_another_name() {
	local other=$dir/conv
	[[ -z $windows ]] || other=$dir/conv.exe
	cp "$prog" "$other" || broken "cannot copy the program"
	prog=$other
	lodewise
	expect 1 @usage.txt
}

# A pattern is expanded before the program starts: two matches are two
# arguments, one match is a conversion.
t_wildcard() {
	[[ -n $windows ]] || skip "on POSIX systems the shell expands patterns; the usage case covers two arguments"
	printf 'A' >a.kex
	printf 'B' >b.kex
	lodewise '*.kex'
	expect 1 @usage.txt
	[[ ! -e a.kim && ! -e b.kim ]] || fail "an image was written"

	{ printf '\377\377' && zeros 253 && printf 'A'; } >../want.kim
	lodewise 'a*.kex'
	expect 0 ''
	same a.kim ../want.kim
}

# --- status 2: the source cannot be opened or read ---

# A missing source names the derived name and leaves an older image as it
# was.
t_missing_source() {
	printf 'old image' >File.kim
	local before
	before=$(snap)
	for arg in File.kex File.txt File.; do
		lodewise "$arg"
		expect 2 "$(noopen File.kex)"
	done
	[[ $(snap) == "$before" ]] || fail "a file was touched"
}

# Without a '.' among its first eleven characters the argument gives no
# name: it is named as typed, and nothing is opened or created.
t_no_stem() {
	local long
	long=$(zeros 5000 | tr '\0' a)
	printf 'A' >abcdefghijk.kex
	printf 'A' >File
	local before
	before=$(snap)
	for arg in abcdefghijk.kex File '' "$long" "$long.kex"; do
		lodewise "$arg"
		expect 2 "$(noopen "$arg")"
	done
	[[ $(snap) == "$before" ]] || fail "a file was touched"
}

# A directory given as the source is not a program. Where it opens as a
# stream its read fails, and the image, already created, stays empty;
# where it does not open, no image is made.
t_source_is_directory() {
	mkdir File.kex
	lodewise File.kex
	expect 2 "$(noopen File.kex)"
	if [[ -n $windows ]]; then
		[[ ! -e File.kim ]] || fail "File.kim was created"
	else
		emptied File.kim
	fi
}

# --- status 3: the image cannot be created or written ---

t_image_is_directory() {
	printf 'A' >File.kex
	mkdir File.kim
	lodewise File.kex
	expect 3 "$(nocreate File.kim)"
	[[ -d File.kim && -z $(ls -A File.kim) ]] || fail "File.kim changed"
}

t_image_in_missing_folder() {
	unixfs "symbolic links need privileges on Windows"
	printf 'A' >File.kex
	ln -s nosuch/File.kim File.kim || broken "ln"
	lodewise File.kex
	expect 3 "$(nocreate File.kim)"
	[[ ! -e nosuch ]] || fail "nosuch was created"
}

# A write that fails when the buffer reaches the disk is a failure too.
t_full_disk() {
	unixfs "no /dev/full on Windows"
	[[ -w /dev/full ]] || broken "no /dev/full"
	printf 'A' >File.kex
	ln -s /dev/full File.kim || broken "ln"
	lodewise File.kex
	expect 3 "$(nocreate File.kim)"
}

# An image name that is another name for the source would empty the
# program before it is read; it is refused and the source kept. Windows
# sees the links that bash makes, where bash makes real ones.
t_image_is_source() {
	printf 'PROGRAM' >File.kex
	cp File.kex ../want.kex
	ln -s File.kex File.kim || broken "ln -s"
	[[ File.kim -ef File.kex ]] || skip "ln -s made a copy, not a link"
	lodewise File.kex
	expect 3 "$(nocreate File.kim)"
	same File.kex ../want.kex
	rm File.kim && ln File.kex File.kim || broken "ln"
	[[ File.kim -ef File.kex ]] || skip "ln made a copy, not a hard link"
	lodewise File.txt
	expect 3 "$(nocreate File.kim)"
	same File.kex ../want.kex
}

# A write cut short by a file size limit leaves no part of an image: the
# image is emptied and the run ends with status 3, not with a signal.
t_size_limit() {
	posixonly "a file size limit is a POSIX limit; under Wine it kills Wine itself"
	command -v prlimit >/dev/null || skip "no prlimit (util-linux)"
	printf 'PROGRAM' >File.kex
	for limit in 0 100; do
		zeros 1000 | tr '\0' J >File.kim
		# The limit holds for every file the program writes, so its
		# message goes through a pipe to the file that is compared.
		prlimit --fsize="$limit" "${run[@]}" "$prog" File.kex \
			2>../err </dev/null | cat >../out
		st=${PIPESTATUS[0]}
		expect 3 "$(nocreate File.kim)"
		emptied File.kim "limit $limit"
	done
}

# --- status 4: the source is longer than 254 bytes ---

# Nothing of an overlong source reaches the image; an older image is
# emptied.
t_overlong() {
	for n in 255 256 100000; do
		zeros "$n" | tr '\0' A >File.kex
		printf 'old image' >File.kim
		lodewise File.kex
		expect 4 @toolong.txt
		emptied File.kim "$n bytes"
	done
}

# Reading stops at the 255th byte, so an endless source ends too.
t_endless_source() {
	unixfs "no /dev/zero on Windows"
	ln -s /dev/zero File.kex || broken "ln"
	lodewise File.kex
	expect 4 @toolong.txt
	emptied File.kim
}

# With standard output and input closed the files take their descriptors;
# the message must not be flushed into the image.
t_closed_stdout() {
	posixonly "closed descriptors are a POSIX case"
	zeros 300 >File.kex
	"${run[@]}" "$prog" File.kex >&- <&- 2>../err
	st=$?
	[[ $st == 4 ]] || fail "exit status $st, expected 4"
	emptied File.kim
}

# --- any status: standard output is a pipe whose reader has gone ---

# The status is the caller's answer, whatever becomes of the message.
t_reader_gone() {
	printf 'A' >a.kex
	zeros 300 >long.kex
	mkdir dir.kim
	printf 'A' >dir.kex
	gone
	[[ $st == 1 ]] || fail "no argument: exit status $st, expected 1"
	gone none.kex
	[[ $st == 2 ]] || fail "missing source: exit status $st, expected 2"
	gone dir.kex
	[[ $st == 3 ]] || fail "image is a directory: exit status $st, expected 3"
	gone long.kex
	[[ $st == 4 ]] || fail "overlong source: exit status $st, expected 4"
	emptied long.kim
	[[ ! -s ../err ]] || fail "standard error: $(head -c 500 ../err)"
}

declare -F "t_$case" >/dev/null || broken "no case $case"
[[ -x $prog ]] || broken "no program $prog"
dir=${LODEWISE_SCRATCH:?}/$case
rm -rf "$dir" && mkdir -p "$dir/run" && cd "$dir/run" || broken "no scratch folder"
"t_$case"
exit $failed
