# Sourced by test.sh: a CUPS scheduler with the PDF printer "VantryPDF" that the printing
# tests print on. Starts cupsd when none is running and stops it at the end if it did.
# Exports VANTRY_TEST_PRINTER and VANTRY_PRINT_OUTPUT, the folder its PDFs appear in.
vantry_sudo=""; [ "$(id -u)" -eq 0 ] || vantry_sudo="sudo"
vantry_cups_runs() { lpstat -r 2>/dev/null | grep -q 'is running'; }
vantry_started_cupsd=""
if ! vantry_cups_runs; then
  $vantry_sudo cupsd
  vantry_started_cupsd=1
  for _ in $(seq 100); do vantry_cups_runs && break; sleep 0.1; done
  vantry_cups_runs || { echo "The CUPS scheduler did not start." >&2; exit 1; }
fi
vantry_stop_printer() {
  [ -n "$vantry_started_cupsd" ] || return 0
  $vantry_sudo pkill -x cupsd || true
  for _ in $(seq 100); do pgrep -x cupsd >/dev/null || break; sleep 0.1; done
}
trap "vantry_stop_printer; $(trap -p EXIT | sed -E "s/^trap -- '(.*)' EXIT$/\1/")" EXIT

VANTRY_TEST_PRINTER=VantryPDF
if ! lpstat -p "$VANTRY_TEST_PRINTER" >/dev/null 2>&1; then
  $vantry_sudo lpadmin -p "$VANTRY_TEST_PRINTER" -v cups-pdf:/ \
    -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null
fi
# cups-pdf writes a user's PDFs where the Out line of its configuration says, with
# ${HOME} the home folder the user database gives the job's owner (this user).
vantry_out=$(sed -n 's/^Out[[:space:]]\{1,\}//p' /etc/cups/cups-pdf.conf | tail -1)
vantry_out=${vantry_out:-\$\{HOME\}/PDF}
vantry_home=$(getent passwd "$(id -un)" | cut -d: -f6)
vantry_out=${vantry_out//\$\{HOME\}/${vantry_home:-$HOME}}
VANTRY_PRINT_OUTPUT=${vantry_out//\$\{USER\}/$(id -un)}
mkdir -p "$VANTRY_PRINT_OUTPUT"
export VANTRY_TEST_PRINTER VANTRY_PRINT_OUTPUT
