#!/usr/bin/env bash
# Runs a test program of the sanitizer build, and once more only when every
# check passed but LeakSanitizer's own stop-the-world tracer crashed at exit
# ("Tracer caught signal 11 ... LeakSanitizer has encountered a fatal error"):
# a known fault of the sanitizer's runtime on a loaded machine, which says
# nothing of the program. A leak report, a sanitizer error or a failed check
# is never run again.
#   lsan-retry.sh program [arguments...]
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$@" >"$out" 2>&1
status=$?
cat "$out"
if [[ $status -ne 0 ]] &&
    grep -q "LeakSanitizer has encountered a fatal error" "$out" &&
    ! grep -q -E "detected memory leaks|ERROR: AddressSanitizer|runtime error:|^FAIL!|\[  FAILED  \]" "$out"; then
    echo "lsan-retry: the leak check's tracer crashed after every check passed; running once more"
    "$@"
    exit $?
fi
exit $status
