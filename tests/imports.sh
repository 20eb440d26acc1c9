#!/bin/sh
# A Windows program imports from exactly the DLLs given, so that it starts
# on a bare Windows with nothing installed beside it.
# usage: imports.sh OBJDUMP PROGRAM DLL...
# Exit status: 0 the imports are those, 1 they are not.
objdump=$1 prog=$2
shift 2
got=$("$objdump" -p "$prog" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort)
want=$(printf '%s\n' "$@" | sort)
echo "$got"
[ -n "$got" ] && [ "$got" = "$want" ] && exit 0
echo "expected: $*"
exit 1
