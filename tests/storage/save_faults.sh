#!/usr/bin/env bash
# Runs the save fault-injection program (SaveFaultTest.cpp) under the faults
# that only root can set up: a small file system that fills up, and an
# unprivileged user, for whom a read-only folder is really read-only (root
# writes into it). Run by another user, the program runs as it is and skips
# the small file system. Exit code 77: skipped.
#   save_faults.sh <program> [GoogleTest arguments]
set -euo pipefail
program=$1
shift

if [[ $(id -u) -ne 0 ]]; then
    exec "$program" "$@"
fi

if ! user_id=$(id -u nobody 2>/dev/null) || ! group_id=$(id -g nobody 2>/dev/null); then
    echo "SKIP: running as root and there is no user 'nobody' to run the program as"
    exit 77
fi
if command -v setpriv >/dev/null; then
    as_user=(setpriv --reuid="$user_id" --regid="$group_id" --clear-groups --)
elif command -v runuser >/dev/null; then
    as_user=(runuser -u nobody --)
else
    echo "SKIP: running as root and neither setpriv nor runuser is there to drop to 'nobody'"
    exit 77
fi

# Everything the unprivileged user needs lies in one folder it can reach: the
# build folder may sit below folders closed to it.
work=$(mktemp -d)
small_fs=$work/piccolo
cleanup() {
    mountpoint -q "$small_fs" && umount "$small_fs"
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
cp "$program" "$work/"
mkdir -m 1777 "$work/tmp"
export TMPDIR=$work/tmp
if [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]*) && -r ${BASH_REMATCH[1]} ]]; then
    cp "${BASH_REMATCH[1]}" "$work/lsan.supp"
    export LSAN_OPTIONS=${LSAN_OPTIONS/"${BASH_REMATCH[1]}"/$work/lsan.supp}
fi

mkdir "$small_fs"
if mount -t tmpfs -o size=64k,mode=1777 tmpfs "$small_fs" 2>/dev/null; then
    export ROTAMIND_SMALL_FS=$small_fs
else
    echo "note: no tmpfs could be mounted here; the full file system case is skipped"
fi

cd "$work"
echo "running as $(id -un "$user_id") through ${as_user[0]}"
"${as_user[@]}" "$work/$(basename "$program")" "$@"
