# Sourced by run.sh and test.sh: sets VANTRY_DISPLAY to a working X display. Uses
# $DISPLAY when it answers, otherwise starts a virtual one that ends with the script.
vantry_display_answers() { xdpyinfo -display "$1" >/dev/null 2>&1; }

if [ -n "${VANTRY_DISPLAY:-}" ] && vantry_display_answers "$VANTRY_DISPLAY"; then
  :
elif [ -z "${CI:-}" ] && [ -n "${DISPLAY:-}" ] && vantry_display_answers "$DISPLAY"; then
  VANTRY_DISPLAY=$DISPLAY
else
  vantry_number=99
  while [ -e "/tmp/.X${vantry_number}-lock" ]; do vantry_number=$((vantry_number + 1)); done
  Xvfb ":$vantry_number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  vantry_xvfb_pid=$!
  trap 'kill $vantry_xvfb_pid 2>/dev/null || true' EXIT
  VANTRY_DISPLAY=":$vantry_number"
  for _ in $(seq 100); do vantry_display_answers "$VANTRY_DISPLAY" && break; sleep 0.1; done
  vantry_display_answers "$VANTRY_DISPLAY" || { echo "The virtual display did not start." >&2; exit 1; }
fi
export VANTRY_DISPLAY
