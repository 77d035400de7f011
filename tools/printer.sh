# Sourced by test.sh: a CUPS scheduler of the tests' own, with the PDF printer
# "VantryPDF" that the printing tests print on. Its configuration, spool, logs and socket
# live in build/cups; it listens on that socket only, and it is stopped at the end by its
# own process id. A scheduler already running on the machine, and its printers, are left
# alone. Exports CUPS_SERVER (the socket, which Wine's printing and lpstat honour),
# VANTRY_TEST_PRINTER and VANTRY_PRINT_OUTPUT, the folder its PDFs appear in.
vantry_sudo=""; [ "$(id -u)" -eq 0 ] || vantry_sudo="sudo"
vantry_cups="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/cups"
vantry_cups_socket="$vantry_cups/cups.sock"
VANTRY_TEST_PRINTER=VantryPDF

# A scheduler of an earlier run that was not stopped (its run was killed) goes first.
if [ -s "$vantry_cups/cupsd.pid" ]; then
  vantry_old=$(cat "$vantry_cups/cupsd.pid")
  if [ "$(ps -o comm= -p "$vantry_old" 2>/dev/null)" = cupsd ] &&
      tr '\0' ' ' <"/proc/$vantry_old/cmdline" 2>/dev/null | grep -qF "$vantry_cups/"; then
    $vantry_sudo kill "$vantry_old" 2>/dev/null || true
    for _ in $(seq 100); do kill -0 "$vantry_old" 2>/dev/null || break; sleep 0.1; done
  fi
fi
$vantry_sudo rm -rf "$vantry_cups"
mkdir -p "$vantry_cups"/{conf/ppd,conf/ssl,spool,cache,state,temp,log}
# The filters run as the scheduler's user "lp": the spool must be theirs to read.
chmod 0755 "$vantry_cups" "$vantry_cups"/{conf,spool,cache,state,temp,log}
chmod 1777 "$vantry_cups/temp"

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
FileDevice No
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
cp /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd "$vantry_cups/conf/ppd/$VANTRY_TEST_PRINTER.ppd"
cat >"$vantry_cups/conf/printers.conf" <<EOF
<DefaultPrinter $VANTRY_TEST_PRINTER>
Info Vantry's test printer
DeviceURI cups-pdf:/
State Idle
Accepting Yes
Shared No
</DefaultPrinter>
EOF

$vantry_sudo cupsd -f -c "$vantry_cups/conf/cupsd.conf" -s "$vantry_cups/conf/cups-files.conf" &
vantry_cupsd_pid=$!
echo "$vantry_cupsd_pid" >"$vantry_cups/cupsd.pid"
vantry_stop_printer() {
  kill "$vantry_cupsd_pid" 2>/dev/null || $vantry_sudo kill "$vantry_cupsd_pid" 2>/dev/null || true
  for _ in $(seq 100); do kill -0 "$vantry_cupsd_pid" 2>/dev/null || break; sleep 0.1; done
  rm -f "$vantry_cups/cupsd.pid"
}
trap "vantry_stop_printer; $(trap -p EXIT | sed -E "s/^trap -- '(.*)' EXIT$/\1/")" EXIT

export CUPS_SERVER="$vantry_cups_socket"
for _ in $(seq 100); do lpstat -p "$VANTRY_TEST_PRINTER" >/dev/null 2>&1 && break; sleep 0.1; done
lpstat -p "$VANTRY_TEST_PRINTER" >/dev/null 2>&1 ||
  { echo "The tests' CUPS scheduler did not start (see $vantry_cups/log/error_log)." >&2; exit 1; }

# cups-pdf writes a user's PDFs where the Out line of its configuration says, with
# ${HOME} the home folder the user database gives the job's owner (this user).
vantry_out=$(sed -n 's/^Out[[:space:]]\{1,\}//p' /etc/cups/cups-pdf.conf | tail -1)
vantry_out=${vantry_out:-\$\{HOME\}/PDF}
vantry_home=$(getent passwd "$(id -un)" | cut -d: -f6)
vantry_out=${vantry_out//\$\{HOME\}/${vantry_home:-$HOME}}
VANTRY_PRINT_OUTPUT=${vantry_out//\$\{USER\}/$(id -un)}
mkdir -p "$VANTRY_PRINT_OUTPUT"
export VANTRY_TEST_PRINTER VANTRY_PRINT_OUTPUT
