#!/usr/bin/env bash
# A save that runs into the file size limit must fail with the write error,
# leave an existing file byte for byte as it was and leave nothing else.
# usage: savepicture_filelimit.sh SAVE_PROBE
set -euo pipefail
probe=$1

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
work=$dir/work
mkdir "$work"
printf 'the picture saved last time\n' > "$work/picture.bmp"
cp "$work/picture.bmp" "$dir/before"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the probe with files capped at 50 KiB (bash counts -f in 1024-byte
# blocks), well under the 120054 bytes of a picture. SIGXFSZ is ignored so
# the write fails with EFBIG instead of killing the probe.
save_limited() {
    ( trap '' XFSZ; ulimit -f 50; exec "$probe" "$1" )
}

check_failure() {
    local status=0 message
    message=$(save_limited "$1") || status=$?
    [[ $status -eq 1 ]] || fail "$1: exit status $status, expected 1"
    [[ $message == 'ｽﾄﾘｰﾑへの書き込みｴﾗｰ' ]] || fail "$1: message '$message'"
    cmp "$dir/before" "$work/picture.bmp" || fail "$1: existing file changed"
    local left
    left=$(ls -A "$work")
    [[ $left == picture.bmp ]] || fail "$1: folder holds: $left"
}

check_failure "$work/picture.bmp"   # replacing an existing file
check_failure "$work/new.bmp"       # a new file must not appear half-written

# Without the cap the same save goes through, so the failures above came
# from the limit and nothing else.
"$probe" "$work/picture.bmp" || fail "unlimited save failed"
size=$(stat -c %s "$work/picture.bmp")
[[ $size -eq 120054 ]] || fail "saved $size bytes, expected 120054"
[[ $(ls -A "$work") == picture.bmp ]] || fail "leftovers after a good save"
echo "file size limit: all checks passed"
