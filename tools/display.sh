# Sourced by run.sh and test.sh: sets VANTRY_DISPLAY to a working X display. Uses
# $VANTRY_DISPLAY when it answers, then $DISPLAY (not for the tests, whose windows a
# user's pointer, clipboard and other windows would disturb: test.sh sets
# VANTRY_VIRTUAL_DISPLAY), otherwise starts a virtual one that ends with the script.
vantry_display_answers() { xdpyinfo -display "$1" >/dev/null 2>&1; }

if [ -n "${VANTRY_DISPLAY:-}" ] && vantry_display_answers "$VANTRY_DISPLAY"; then
  :
elif [ -z "${CI:-}${VANTRY_VIRTUAL_DISPLAY:-}" ] && [ -n "${DISPLAY:-}" ] && vantry_display_answers "$DISPLAY"; then
  VANTRY_DISPLAY=$DISPLAY
else
  # The server takes a free display number itself and writes it once it accepts
  # clients, so two runs on one machine never meet on one display.
  vantry_display_number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$vantry_display_number" >/dev/null 2>&1 &
  vantry_xvfb_pid=$!
  trap 'kill $vantry_xvfb_pid 2>/dev/null || true; rm -f "$vantry_display_number"' EXIT
  for _ in $(seq 100); do [ -s "$vantry_display_number" ] && break; sleep 0.1; done
  VANTRY_DISPLAY=":$(head -n 1 "$vantry_display_number")"
  vantry_display_answers "$VANTRY_DISPLAY" || { echo "The virtual display did not start." >&2; exit 1; }
fi
export VANTRY_DISPLAY
