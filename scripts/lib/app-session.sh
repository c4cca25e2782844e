# Sourced by the scripts that start the program as a desktop starts it, each
# against a stand-in server of its own: scripts/check-install and the
# end-to-end tests of tests/e2e. Not a command.

# Polls `condition` (a command) every 0.2 s for up to `seconds`.
wait_for() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 5))); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

# start_standin PROGRAM WORK [ARGS...]: the stand-in on a free port, keeping
# its data and log in WORK. Sets standin_pid and standin_port.
start_standin() {
  local program=$1 work=$2
  shift 2
  mkdir -p "$work/data"
  "$program" --port 0 --data "$work/data" "$@" >"$work/standin.log" 2>&1 &
  standin_pid=$!
  wait_for 10 grep -q '^port ' "$work/standin.log" || return 1
  standin_port=$(sed -n 's/^port //p' "$work/standin.log")
}

# app_environment PORT WORK: the environment of a user whose home and
# runtime folders are fresh, and whose program talks to the stand-in on PORT.
app_environment() {
  local port=$1 work=$2
  mkdir -p "$work/home" "$work/runtime"
  chmod 700 "$work/runtime"
  unset TESSALY_SHARE_DIR QT_QPA_PLATFORM
  export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
  export TESSALY_API_BASE="http://127.0.0.1:$port/index.php"
  export TESSALY_UPDATE_BASE="http://127.0.0.1:$port/update/index.php"
  export TESSALY_WEB_BASE="http://127.0.0.1:$port"
  export TESSALY_SITE_BASE="http://127.0.0.1:$port/site"
  export QT_LOGGING_RULES=qt.webenginecontext=false MESA_SHADER_CACHE_DISABLE=true
  [ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
}

# The program's visible windows, main window first (the desktop entry's
# StartupWMClass is Tessaly).
visible_windows() { xdotool search --onlyvisible --class '^Tessaly$' 2>/dev/null; }
main_window() { visible_windows | head -n 1; }

# click_at WINDOW X Y: a click at X,Y of WINDOW's content, by the pointer's
# place on the screen (a window manager's frame moves the content).
click_at() {
  local window=$1 x=$2 y=$3 left top
  left=$(xwininfo -id "$window" | sed -n 's/^ *Absolute upper-left X: *//p')
  top=$(xwininfo -id "$window" | sed -n 's/^ *Absolute upper-left Y: *//p')
  xdotool mousemove $((left + x)) $((top + y)) click 1
}

# click_until WINDOW X Y LOG EFFECT: clicks at X,Y inside WINDOW until LOG
# holds EFFECT; a page may still be building when the first click comes.
click_until() {
  local window=$1 x=$2 y=$3 log=$4 effect=$5
  for _ in $(seq 10); do
    grep -aqF "$effect" "$log" && return 0
    click_at "$window" "$x" "$y"
    wait_for 2 grep -aqF "$effect" "$log" && return 0
  done
  return 1
}

# open_first_design LOG: Discovery's first design, then "Edit Logo" on its
# detail page, until the editor's canvas page is ready (positions inside the
# main window, whose size is fixed; the stand-in's first design is always the
# same).
open_first_design() {
  local log=$1 window
  window=$(main_window)
  wait_for 15 grep -aq 'Response data = {"data":{"advertisement"' "$log" || { echo "Discovery's designs did not arrive"; return 1; }
  click_until "$window" 277 130 "$log" '"item_id": 1]' || { echo "the first design's detail page did not open"; return 1; }
  click_until "$window" 775 483 "$log" "loading design from" || { echo "the editor did not open from the detail page"; return 1; }
  wait_for 30 grep -aq "canvas page ready" "$log" || { echo "the editor's canvas page did not load"; return 1; }
}
