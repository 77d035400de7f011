# Sourced by test.sh: a CUPS scheduler of the tests' own, with the PDF printer
# "VantryPDF" that the printing tests print on. Its configuration, spool, logs and the
# PDFs it prints live in build/cups; it listens on a socket of its own only, runs as the
# user who runs the tests, and is stopped at the end by its own process id. A scheduler
# already running on the machine, its printers and the user's own PDFs are left alone.
# Exports CUPS_SERVER (the socket, which Wine's printing and lpstat honour),
# VANTRY_TEST_PRINTER and VANTRY_PRINT_OUTPUT, the folder its PDFs appear in.
vantry_cups="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/cups"
# A socket's path has room for about 100 characters: it goes in the temporary folder,
# named after this checkout.
vantry_cups_socket="${TMPDIR:-/tmp}/vantry-cups-$(printf '%s' "$vantry_cups" | cksum | cut -d' ' -f1).sock"
VANTRY_TEST_PRINTER=VantryPDF
VANTRY_PRINT_OUTPUT="$vantry_cups/out"

# One test run of this checkout at a time prints: a second would stop the first's
# scheduler. The lock lasts as long as the test run.
mkdir -p "$(dirname "$vantry_cups")"
exec {vantry_cups_lock}>"$vantry_cups.lock"
flock -n "$vantry_cups_lock" || { echo "Another test run of this checkout is printing (build/cups.lock)." >&2; exit 1; }

# A scheduler of an earlier run that was not stopped (its run was killed) goes first.
if [ -s "$vantry_cups/cupsd.pid" ]; then
  vantry_old=$(cat "$vantry_cups/cupsd.pid")
  if [ "$(ps -o comm= -p "$vantry_old" 2>/dev/null)" = cupsd ] &&
      tr '\0' ' ' <"/proc/$vantry_old/cmdline" 2>/dev/null | grep -qF "$vantry_cups/"; then
    kill "$vantry_old" 2>/dev/null || true
    for _ in $(seq 100); do kill -0 "$vantry_old" 2>/dev/null || break; sleep 0.1; done
  fi
fi
rm -rf "$vantry_cups" "$vantry_cups_socket"
mkdir -p "$vantry_cups"/{conf/ppd,conf/ssl,spool,cache,state,temp,log,out}
# Run by root, the scheduler runs its filters as "lp": the spool must be theirs to read.
chmod 0755 "$vantry_cups" "$vantry_cups"/{conf,spool,cache,state,temp,log,out}
chmod 1777 "$vantry_cups/temp"

# The printer makes PDFs with the generic PDF driver and writes each job to one file of
# its own folder (a file device, which this scheduler alone allows).
cat >"$vantry_cups/conf/cups-files.conf" <<EOF
ServerRoot $vantry_cups/conf
RequestRoot $vantry_cups/spool
CacheDir $vantry_cups/cache
StateDir $vantry_cups/state
TempDir $vantry_cups/temp
AccessLog $vantry_cups/log/access_log
ErrorLog $vantry_cups/log/error_log
PageLog $vantry_cups/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
FileDevice Yes
EOF
cat >"$vantry_cups/conf/cupsd.conf" <<EOF
Listen $vantry_cups_socket
Browsing No
WebInterface No
LogLevel warn
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
# The queue, as lpadmin would write it, before the scheduler reads its configuration.
cp /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd "$vantry_cups/conf/ppd/$VANTRY_TEST_PRINTER.ppd"
cat >"$vantry_cups/conf/printers.conf" <<EOF
<DefaultPrinter $VANTRY_TEST_PRINTER>
Info Vantry's test printer
DeviceURI file://$VANTRY_PRINT_OUTPUT/printed.pdf
State Idle
Accepting Yes
Shared No
</DefaultPrinter>
EOF

cupsd -f -c "$vantry_cups/conf/cupsd.conf" -s "$vantry_cups/conf/cups-files.conf" &
vantry_cupsd_pid=$!
echo "$vantry_cupsd_pid" >"$vantry_cups/cupsd.pid"
vantry_stop_printer() {
  kill "$vantry_cupsd_pid" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$vantry_cupsd_pid" 2>/dev/null || break; sleep 0.1; done
  rm -f "$vantry_cups/cupsd.pid" "$vantry_cups_socket"
}
vantry_exit_before_printer=$(trap -p EXIT | sed -E "s/^trap -- '(.*)' EXIT$/\1/")
trap 'vantry_stop_printer; eval "$vantry_exit_before_printer"' EXIT

export CUPS_SERVER="$vantry_cups_socket"
for _ in $(seq 100); do lpstat -p "$VANTRY_TEST_PRINTER" >/dev/null 2>&1 && break; sleep 0.1; done
lpstat -p "$VANTRY_TEST_PRINTER" >/dev/null 2>&1 ||
  { echo "The tests' CUPS scheduler did not start (see $vantry_cups/log/error_log)." >&2; exit 1; }
export VANTRY_TEST_PRINTER VANTRY_PRINT_OUTPUT
