#!/usr/bin/env bash
# Builds the Debian package with scripts/package and checks what it holds: the
# program, its desktop entry, icons and AppStream metadata (validated), then
# runs the unpacked program: --version, and a start on the offscreen platform
# that must still be running when it is stopped after a few seconds.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/package
shopt -s nullglob
debs=(build/package/rotamind_*.deb)
[[ ${#debs[@]} -eq 1 ]] || { echo "expected one package, found ${#debs[@]}" >&2; exit 1; }
deb=${debs[0]}

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

id=org.example.Rotamind
[[ -x $root/usr/bin/rotamind ]] || fail "no usr/bin/rotamind"
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
[[ -f $desktop ]] || fail "no desktop entry"
[[ -f $metainfo ]] || fail "no AppStream metadata"
qm=$root/usr/share/rotamind/translations/rotamind_en.qm
[[ -s $qm ]] || fail "no English translation (usr/share/rotamind/translations/rotamind_en.qm)"
for size in 16 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
    if [[ ! -f $icon ]]; then
        fail "no ${size}px icon"
    elif ! file "$icon" | grep -q "PNG image data, $size x $size"; then
        fail "$icon is not a ${size}x$size PNG"
    fi
done

# Both validators print nothing but errors and warnings worth a failure.
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[[ -z $out ]] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
lintian "$deb" || fail "lintian"

version=$("$root/usr/bin/rotamind" --version) || fail "--version failed"
[[ $version == "Rotamind "* ]] || fail "--version printed '$version'"
"$root/usr/bin/rotamind" --help | grep -q "^Usage: rotamind" || fail "--help printed no usage"

# Started with no window system, the program must still be running when
# timeout stops it (exit code 124); an earlier end is a failure.
status=0
XDG_RUNTIME_DIR=$root QT_QPA_PLATFORM=offscreen HOME=$root \
    timeout 10 "$root/usr/bin/rotamind" || status=$?
[[ $status -eq 124 ]] || fail "the unpacked program ended with $status before it was stopped"
# The same in English: the installed translation must be found and loaded.
status=0
XDG_RUNTIME_DIR=$root QT_QPA_PLATFORM=offscreen HOME=$root \
    timeout 10 "$root/usr/bin/rotamind" --lang en 2>"$root/lang.err" || status=$?
[[ $status -eq 124 ]] || fail "the unpacked program in English ended with $status"
! grep -q "English texts" "$root/lang.err" || fail "in English the program said: $(cat "$root/lang.err")"

if [[ $failed -ne 0 ]]; then
    exit 1
fi
echo "Package $deb checked"
