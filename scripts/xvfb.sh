# Sourced by run.sh, test.sh and screenshots.sh: when there is no display,
# starts a private Xvfb on a free display number (from VELLOX_XVFB_FIRST,
# 90 unless set, so that runs side by side do not race for one), exports
# DISPLAY and sets xvfb_pid, then waits until the server answers. Returns non-zero with a
# message when it does not come up (the caller's clean-up stops it).
xvfb_pid=""
if [ -z "${DISPLAY:-}" ]; then
  xvfb_first="${VELLOX_XVFB_FIRST:-90}"
  for n in $(seq "$xvfb_first" $((xvfb_first + 30))); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n" VELLOX_NO_WINDOW_MANAGER=1
    break
  done
  if [ -z "$xvfb_pid" ]; then
    echo "xvfb.sh: no free display number between :$xvfb_first and :$((xvfb_first + 30))" >&2
    return 1
  fi
  # Up means the socket is there and the server answers a query (where a
  # query tool is installed); the server gets 10 seconds.
  xvfb_answers() {
    [ -S "/tmp/.X11-unix/X${DISPLAY#:}" ] || return 1
    if command -v xdpyinfo >/dev/null 2>&1; then
      xdpyinfo >/dev/null 2>&1
    elif command -v xset >/dev/null 2>&1; then
      xset q >/dev/null 2>&1
    fi
  }
  xvfb_up=""
  xvfb_deadline=$((SECONDS + 10))
  while [ "$SECONDS" -le "$xvfb_deadline" ]; do
    if xvfb_answers; then
      xvfb_up=1
      break
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break  # it has exited: no use waiting
    sleep 0.1
  done
  if [ -z "$xvfb_up" ]; then
    if kill -0 "$xvfb_pid" 2>/dev/null; then
      echo "xvfb.sh: Xvfb on display $DISPLAY did not answer within 10 seconds" >&2
    else
      echo "xvfb.sh: Xvfb on display $DISPLAY exited at start (run 'Xvfb $DISPLAY' to see why)" >&2
    fi
    return 1
  fi
  unset xvfb_up xvfb_deadline
fi
