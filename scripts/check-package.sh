#!/usr/bin/env bash
# Builds the Debian package and checks it as a user meets it: the validators on its files, the
# command line, and the unpacked program started twice on its own data and settings folders (the
# user's handbook is made on the first start from the shipped one, the categories are listed, and
# an article added in the first start is still there in the second). Run by .ci/run after ./test.
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C.UTF-8

deb="$(bash scripts/package.sh)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
check() {  # check WHAT COMMAND...: one line a check, the command's output only when it fails
  local what="$1"
  shift
  if output="$("$@" 2>&1)"; then
    passed=$((passed + 1))
    echo "ok: $what"
  else
    failed=$((failed + 1))
    echo "FAILED: $what"
    printf '%s\n' "$output" | sed 's/^/    /'
  fi
}

root="$work/root"
dpkg-deb -x "$deb" "$root"
app_id=ru.korvand_med.Handbook
version="$(dpkg-deb -f "$deb" Version)"

# Lintian's warnings are printed (the README says which are accepted and why); errors fail.
lintian_status=0
lintian --fail-on error "$deb" > "$work/lintian" 2>&1 || lintian_status=$?
sed 's/^/    lintian: /' "$work/lintian"
check "lintian finds no error" test "$lintian_status" = 0
check "desktop-file-validate" desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
check "appstreamcli validate" appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$app_id.metainfo.xml"
check "the manual page reads without complaint" sh -c "LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l '$root/usr/share/man/man1/korvand.1.gz' 2>&1 >/dev/null | (! grep .)"
for size in 16 22 24 32 48 64 128 256; do
  check "a ${size}x$size icon" sh -c "file '$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png' | grep -q '$size x $size'"
done
check "the scalable icon" test -s "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
check "the command links to the program" test "$(readlink "$root/usr/bin/korvand")" = ../lib/korvand-handbook/Korvand
check "the shipped handbook is read-only for users" test "$(stat -c %a "$root/usr/share/korvand-handbook/DB/HANDBOOK.GDB")" = 644

korvand="$root/usr/bin/korvand"
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
check "--version prints the package's version" test "$("${no_display[@]}" "$korvand" --version)" = "Korvand $version"
check "the metadata carry the package's version" grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$app_id.metainfo.xml"
check "--help prints the usage" sh -c "${no_display[*]} '$korvand' --help | grep -q '^Usage: '"
wrong() {
  local status=0
  "${no_display[@]}" "$korvand" --no-such-option > "$work/out" 2> "$work/err" || status=$?
  test "$status" = 2 && test ! -s "$work/out" && grep -q "unknown option '--no-such-option'" "$work/err"
}
check "a wrong option is a short error and exit 2" wrong

# Two starts of the unpacked program with a data and a settings folder of its own.
mkdir -m 700 "$work/runtime"
start() {
  env QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    KORVAND_PRODUCER_URL=http://127.0.0.1:9 "$korvand" "$@"
}
user_handbook="$work/data/Korvand/Tessaly/DB/HANDBOOK.GDB"
check "no user's handbook before the first start" test ! -e "$user_handbook"
status=0
start --check-add=Проверочный > "$work/first" 2> "$work/first.err" || status=$?
check "the first start ends well" test "$status" = 0
check "the captions read the program's name" grep -qx "title: Korvand" "$work/first"
check "the first start opens the user's handbook" grep -qx "database: $user_handbook" "$work/first"
check "the user's handbook is made on the first start" test -s "$user_handbook"
check "the transliteration table is copied on the first start" test -s "$work/data/Korvand/Tessaly/Translit.tlt"
check "the categories are listed" grep -qx "category: Общие термины" "$work/first"
check "the first start complains of nothing" test ! -s "$work/first.err"
status=0
start --check-start > "$work/second" 2> "$work/second.err" || status=$?
check "the second start ends well" test "$status" = 0
check "the second start keeps the article added in the first" grep -qx "term: Проверочный" "$work/second"
check "the second start complains of nothing" test ! -s "$work/second.err"

echo "package: $passed passed, $failed failed"
test "$failed" = 0
