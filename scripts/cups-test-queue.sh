#!/usr/bin/env bash
# Starts a CUPS scheduler (when none runs) with a PDF queue "PDF" whose jobs land as PDF
# files in /tmp/cups-pdf-out, for the printing tests. Root only; safe to run again.
# Prints the scheduler's process id when this script started it, so the caller can stop it.
set -euo pipefail
OUT=/tmp/cups-pdf-out
running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }
if [ "$(id -u)" -ne 0 ]; then
  echo "cups-test-queue: not root, so no CUPS scheduler was started and the CUPS printing" \
       "tests will be skipped; run scripts/test.sh as root (or sudo bash $0) to enable them" >&2
  exit 0
fi
if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null; then
  echo "cups-test-queue: cupsd or lpadmin is missing, so the CUPS printing tests will be" \
       "skipped; install the packages cups, cups-client and printer-driver-cups-pdf" >&2
  exit 0
fi
mkdir -p /run/cups
if ! running; then
  /usr/sbin/cupsd
  for _ in $(seq 1 50); do running && break; sleep 0.2; done
  running || {
    echo "cups-test-queue: the scheduler did not start (see /var/log/cups/error_log), so the" \
         "CUPS printing tests will be skipped" >&2
    exit 0
  }
  cat /run/cups/cupsd.pid 2>/dev/null || pgrep -n -x cupsd || true
fi
mkdir -p "$OUT"
chmod 1777 "$OUT"
printf 'Out %s\nAnonDirName %s\n' "$OUT" "$OUT" > /etc/cups/cups-pdf-ci.conf
if ! lpstat -p PDF >/dev/null 2>&1; then
  lpadmin -p PDF -E -v cups-pdf:/ci -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -o PageSize=Letter
fi
lpadmin -d PDF
