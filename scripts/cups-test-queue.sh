#!/usr/bin/env bash
# Starts a CUPS scheduler (when none runs) with a PDF queue "PDF" whose jobs land as PDF
# files in /tmp/cups-pdf-out, for the printing tests. Root only; safe to run again.
# Prints the scheduler's process id when this script started it, so the caller can stop it.
set -euo pipefail
OUT=/tmp/cups-pdf-out
running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }
if [ "$(id -u)" -ne 0 ] || ! command -v cupsd >/dev/null; then
  echo "cups-test-queue: needs root and cupsd; printing tests will be skipped" >&2
  exit 0
fi
mkdir -p /run/cups
if ! running; then
  /usr/sbin/cupsd
  for _ in $(seq 1 50); do running && break; sleep 0.2; done
  running || { echo "cups-test-queue: the scheduler did not start" >&2; exit 0; }
  cat /run/cups/cupsd.pid 2>/dev/null || pgrep -n -x cupsd || true
fi
mkdir -p "$OUT"
chmod 1777 "$OUT"
printf 'Out %s\nAnonDirName %s\n' "$OUT" "$OUT" > /etc/cups/cups-pdf-ci.conf
if ! lpstat -p PDF >/dev/null 2>&1; then
  lpadmin -p PDF -E -v cups-pdf:/ci -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -o PageSize=Letter
fi
lpadmin -d PDF
