#!/usr/bin/env bash
# The Debian package as a user meets it: packed with cpack from the build folder, checked by
# lintian, installed with apt-get, used (a sheet rendered by the installed quorvane-batch,
# the installed quorvane started on a virtual screen), removed again, and nothing of it left
# behind. Installing a package needs root: without root the test says so and is skipped
# (exit 77). It never touches a quorvane package it did not install itself.
# Usage: package-test.sh BUILD_DIR SAMPLE_LABEL_TOOL
set -euo pipefail
build=$(cd "$1" && pwd)
make_label=$2
SKIPPED=77

say() { echo "package test: $*"; }
fail() { say "FAILED: $*" >&2; exit 1; }

if [ "$(id -u)" -ne 0 ]; then
  say "skipped: installing a package needs root; run scripts/test.sh as root to include it"
  exit $SKIPPED
fi
for tool in cpack apt-get dpkg-deb lintian xvfb-run xwininfo pdfinfo pdftotext; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/deps.sh installs it)"
done

# One package test at a time on this machine: two would install over each other.
exec 9>/var/lock/quorvane-package-test.lock
flock 9
stamp_dir=/var/lib/quorvane-package-test
stamp=$stamp_dir/installed-by-test
installed() { dpkg-query -W -f='${Status}' quorvane 2>/dev/null | grep -q "ok installed"; }
if installed && [ ! -e "$stamp" ]; then
  say "skipped: a quorvane package that this test did not install is on this machine;" \
      "it is left as it is (remove it to let the test run)"
  exit $SKIPPED
fi

work=$(mktemp -d)
export DEBIAN_FRONTEND=noninteractive
apt_opts=(-y -q -o DPkg::Lock::Timeout=300)
cleanup() {
  if [ -e "$stamp" ]; then
    apt-get "${apt_opts[@]}" remove --purge quorvane >/dev/null 2>&1 || true
    rm -f "$stamp"
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# 1. The package, built from this build folder.
say "packing with cpack"
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack did not build the package"; }
deb=$(ls "$work"/package/quorvane_*.deb)
say "built $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"
depends=$(dpkg-deb -f "$deb" Depends)
say "Depends: $depends"
for needed in libqt6widgets6 libqt6printsupport6 libzint fonts-liberation2 fonts-wine \
              fonts-symbola fonts-noto-core libqt6sql6-sqlite; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done

# 2. lintian: errors fail the test; its whole report is shown.
say "lintian"
lintian --display-level ">=info" "$deb" >"$work/lintian.log" 2>&1 || true
sed 's/^/  /' "$work/lintian.log"
if grep -q '^E: ' "$work/lintian.log"; then
  fail "lintian reports errors"
fi

# 3. Installed as a user installs it.
say "apt-get install ./$(basename "$deb")"
mkdir -p "$stamp_dir"
touch "$stamp"
(cd "$work/package" && apt-get "${apt_opts[@]}" install "./$(basename "$deb")") \
  >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "apt-get install failed"; }
installed || fail "the package is not installed after apt-get install"
dpkg-query -L quorvane >"$work/files"
for file in /usr/bin/quorvane /usr/bin/quorvane-batch /usr/share/quorvane/QVLTPL.DBF \
            /usr/share/quorvane/help/quorvane.html \
            /usr/share/quorvane/translations/quorvane_de.qm \
            /usr/share/applications/org.quorvane.Quorvane.desktop \
            /usr/share/icons/hicolor/48x48/apps/quorvane.png \
            /usr/share/man/man1/quorvane-batch.1.gz; do
  [ -f "$file" ] || fail "$file was not installed"
done
grep -q 'application/x-quorvane-label:\*\.qvlabel' /usr/share/mime/globs2 ||
  fail "the label file type is not in the desktop's MIME database"
grep -q 'application/x-quorvane-label=.*org\.quorvane\.Quorvane\.desktop' \
  /usr/share/applications/mimeinfo.cache ||
  fail "the program is not registered to open label files"

# 4. A sheet rendered by the installed quorvane-batch, from a label table in a data
#    directory of its own (never a real user's).
export HOME="$work/home" QUORVANE_HOME="$work/data"
mkdir -p "$HOME" "$QUORVANE_HOME"
"$make_label" "$QUORVANE_HOME" "Package test" "Installed by apt" ||
  fail "the sample label could not be written"
say "quorvane-batch --label \"Package test\" --sheets 2 --pdf sheets.pdf"
/usr/bin/quorvane-batch --label "Package test" --sheets 2 --pdf "$work/sheets.pdf" ||
  fail "the installed quorvane-batch did not render the sheets"
pages=$(pdfinfo "$work/sheets.pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 2 ] || fail "the PDF has $pages pages, not 2"
count=$(pdftotext "$work/sheets.pdf" - | grep -o "Installed by apt" | wc -l)
[ "$count" = 60 ] || fail "the PDF shows the label's text $count times, not 60 (30 a sheet)"
say "rendered 2 sheets with 60 labels"

# 5. The installed program started on a virtual screen: its window appears and it keeps
#    running until it is ended.
say "starting /usr/bin/quorvane under Xvfb"
cat >"$work/start.sh" <<'EOF'
/usr/bin/quorvane >"$1/quorvane.log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Quorvane' && break
  sleep 0.2
done
xwininfo -root -tree >"$1/windows.txt" 2>&1
sleep 1
kill -0 $pid || { echo "quorvane ended by itself"; exit 1; }
kill $pid
wait $pid || true
EOF
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/start.sh" "$work" ||
  { cat "$work/quorvane.log"; fail "the installed quorvane did not stay up"; }
grep -q '"Quorvane' "$work/windows.txt" ||
  { cat "$work/windows.txt" "$work/quorvane.log"; fail "the installed quorvane showed no window"; }
say "the installed quorvane showed its window"

# 6. Removed again: none of its files is left, the user's data stays.
say "apt-get remove --purge quorvane"
apt-get "${apt_opts[@]}" remove --purge quorvane >"$work/remove.log" 2>&1 ||
  { cat "$work/remove.log"; fail "apt-get remove failed"; }
rm -f "$stamp"
! installed || fail "the package is still installed after removal"
left=0
while IFS= read -r path; do
  [ -d "$path" ] && continue
  if [ -e "$path" ] || [ -L "$path" ]; then
    echo "  left behind: $path" >&2
    left=1
  fi
done <"$work/files"
for folder in /usr/share/quorvane /usr/share/doc/quorvane; do
  [ ! -e "$folder" ] || { echo "  left behind: $folder" >&2; left=1; }
done
[ "$left" = 0 ] || fail "files of the package were left behind"
! grep -q 'quorvane' /usr/share/mime/globs2 || fail "the label file type outlived the package"
[ -f "$QUORVANE_HOME/QVLBLS.DBF" ] || fail "removing the package touched the data directory"
say "removed; no file of the package is left"
echo "package test: passed"
