# Shared steps of the end-to-end tests, sourced by each test script.
#
# A test starts one of the built programs on an X server of its own, drives
# it with xdotool through its real windows (keyboard events to the server;
# there is no window manager, so every window is found by its title and
# given the input focus before keys are sent), and then checks the files the
# program wrote. Every wait has a deadline: a step that stalls fails the test
# with the step's name, a picture of the screen and the program's output.
#
# Arguments of every test:
#   --work DIR         the test's own folder, emptied first
#   --tessara PATH     --tessparams PATH   --cli PATH   the built programs
#   --source DIR       the source tree (sample files and fixtures)
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb or no xdotool).

# shellcheck disable=SC2034  # the programs' paths are read by the tests
set -u -o pipefail

E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_WORK=""
E2E_TESSARA=""
E2E_TESSPARAMS=""
E2E_CLI=""
E2E_SOURCE=""
E2E_XVFB_PID=""
E2E_APP_PID=""
E2E_APP_NAME=""
E2E_APP_STATUS=""
E2E_STEP="start"

# Deadlines in seconds. Generous, because a sanitizer build on a busy
# machine starts a Qt program several times slower; a passing test never
# waits for them to run out.
E2E_WINDOW_SECONDS=${E2E_WINDOW_SECONDS:-40}
E2E_STEP_SECONDS=${E2E_STEP_SECONDS:-20}
E2E_EXIT_SECONDS=${E2E_EXIT_SECONDS:-40}

# Microseconds since the epoch, without starting a process.
e2e_now() { echo "${EPOCHREALTIME//[.,]/}"; }

e2e_log()
{
    local tenths=$((($(e2e_now) - E2E_STARTED) / 100000))
    printf '[%3d.%ds] %s\n' $((tenths / 10)) $((tenths % 10)) "$*"
}

e2e_skip()
{
    echo "SKIPPED: $*"
    exit 77
}

# Saves a picture of the whole screen into the work folder.
e2e_screenshot()
{
    local name=$1
    local picture="$E2E_WORK/$name.png"
    if [[ -z "${DISPLAY:-}" ]]; then
        echo "  (no screen to picture: the X server did not start)"
    elif ! command -v import >/dev/null; then
        echo "  (no screenshot: 'import' of imagemagick is not installed)"
    elif timeout 20 import -window root "$picture" 2>/dev/null; then
        echo "  screenshot: $picture"
    else
        echo "  (the screenshot could not be taken)"
    fi
}

e2e_fail()
{
    echo "FAILED at step '$E2E_STEP': $*"
    e2e_screenshot "failure"
    if [[ -n "$E2E_APP_NAME" && -s "$E2E_WORK/$E2E_APP_NAME.out" ]]; then
        echo "  last lines of $E2E_APP_NAME's output ($E2E_WORK/$E2E_APP_NAME.out):"
        tail -n 40 "$E2E_WORK/$E2E_APP_NAME.out" | sed 's/^/    /'
    fi
    echo "  work folder: $E2E_WORK"
    exit 1
}

e2e_step()
{
    E2E_STEP=$1
    e2e_log "$E2E_STEP"
}

# Ends a process this test started: asked first, forced after 5 s.
e2e_end_process()
{
    local pid=$1 tenths=0
    kill -0 "$pid" 2>/dev/null || return 0
    kill "$pid" 2>/dev/null
    while kill -0 "$pid" 2>/dev/null && ((tenths++ < 50)); do
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

# Ends what this test started, each by its own process id.
e2e_cleanup()
{
    [[ -n "$E2E_APP_PID" ]] && e2e_end_process "$E2E_APP_PID"
    [[ -n "$E2E_XVFB_PID" ]] && e2e_end_process "$E2E_XVFB_PID"
    return 0
}

# Reads the arguments, checks the tools, makes the work folder and the
# environment of the programs, and starts the X server.
e2e_setup()
{
    E2E_STARTED=$(e2e_now)
    while [[ $# -gt 0 ]]; do
        case "$1" in
        --work) E2E_WORK=$2 ;;
        --tessara) E2E_TESSARA=$2 ;;
        --tessparams) E2E_TESSPARAMS=$2 ;;
        --cli) E2E_CLI=$2 ;;
        --source) E2E_SOURCE=$2 ;;
        *) echo "unknown argument: $1"; exit 2 ;;
        esac
        shift 2
    done
    [[ -n "$E2E_WORK" && -n "$E2E_SOURCE" ]] || { echo "--work and --source are needed"; exit 2; }
    # The programs run in the files folder: their paths must not be relative.
    local path
    for path in E2E_WORK E2E_SOURCE E2E_TESSARA E2E_TESSPARAMS E2E_CLI; do
        [[ -n "${!path}" ]] && printf -v "$path" '%s' "$(realpath -m -- "${!path}")"
    done

    command -v Xvfb >/dev/null ||
        e2e_skip "Xvfb is not installed (Debian package xvfb); the windows cannot be shown"
    command -v xdotool >/dev/null ||
        e2e_skip "xdotool is not installed (Debian package xdotool); the windows cannot be driven"

    rm -rf "$E2E_WORK"
    mkdir -p "$E2E_WORK/program" "$E2E_WORK/files" "$E2E_WORK/user/config" \
             "$E2E_WORK/user/data" "$E2E_WORK/user/cache" "$E2E_WORK/user/runtime" ||
        { echo "cannot make the work folder $E2E_WORK"; exit 1; }
    chmod 700 "$E2E_WORK/user/runtime"
    echo "work folder: $E2E_WORK"
    trap e2e_cleanup EXIT
    trap 'E2E_STEP="interrupted"; e2e_fail "the test was stopped from outside"' INT TERM

    # Nothing of the user's: the program folder (lists, log, ini) and every
    # per-user folder are the test's own.
    export TESSARA_HOME="$E2E_WORK/program"
    export HOME="$E2E_WORK/user"
    export XDG_CONFIG_HOME="$E2E_WORK/user/config"
    export XDG_DATA_HOME="$E2E_WORK/user/data"
    export XDG_CACHE_HOME="$E2E_WORK/user/cache"
    export XDG_RUNTIME_DIR="$E2E_WORK/user/runtime"
    export QT_QPA_PLATFORM=xcb
    # Under the sanitizers libdbus leaks at exit when it finds a session bus.
    export DBUS_SESSION_BUS_ADDRESS=disabled:
    # What the X keyboard library does at start-up is not reported (see the
    # file); the options the caller gave stay.
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}suppressions=$E2E_LIB_DIR/asan.supp"
    export ASAN_OPTIONS
    # Without a desktop's platform theme every file dialog is Qt's own
    # widget dialog, which is what the steps below expect.
    unset QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP DESKTOP_SESSION GNOME_DESKTOP_SESSION_ID \
          KDE_FULL_SESSION QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR \
          SESSION_MANAGER
    unset DISPLAY

    e2e_step "starting the X server"
    # -displayfd: the server takes a free display number itself and writes it
    # once it accepts connections, so tests running side by side never race
    # for one number.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$E2E_WORK/xvfb.display" >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    local deadline=$((SECONDS + E2E_WINDOW_SECONDS))
    until grep -q '^[0-9][0-9]*$' "$E2E_WORK/xvfb.display" 2>/dev/null; do
        kill -0 "$E2E_XVFB_PID" 2>/dev/null ||
            { E2E_XVFB_PID=""; cat "$E2E_WORK/xvfb.log"; e2e_fail "Xvfb ended at start"; }
        ((SECONDS < deadline)) || e2e_fail "Xvfb gave no display number"
        sleep 0.1
    done
    local number
    read -r number <"$E2E_WORK/xvfb.display"
    export DISPLAY=":$number"
    # The pointer rests in a corner where no window is, so no hover
    # changes what the keys do (a completion list follows the pointer).
    xdotool mousemove 1279 1023 || e2e_fail "xdotool cannot reach the X server $DISPLAY"
    e2e_log "X server on $DISPLAY"
}

# Starts a program in the files folder, its output in NAME.out.
e2e_start()
{
    local name=$1
    shift
    [[ -x "$1" ]] || e2e_fail "the program $1 is not built"
    E2E_APP_NAME=$name
    (cd "$E2E_WORK/files" && exec "$@") >"$E2E_WORK/$name.out" 2>&1 &
    E2E_APP_PID=$!
    e2e_log "started $name (process $E2E_APP_PID)"
}

e2e_app_running() { kill -0 "$E2E_APP_PID" 2>/dev/null; }

# The visible windows of the program whose title is TITLE, exactly.
e2e_windows_named()
{
    local title=$1 window
    for window in $(xdotool search --onlyvisible --pid "$E2E_APP_PID" 2>/dev/null); do
        [[ "$(xdotool getwindowname "$window" 2>/dev/null)" == "$title" ]] && echo "$window"
    done
}

# Waits for a visible window of the program titled TITLE; sets E2E_WINDOW.
e2e_wait_window()
{
    local title=$1
    local deadline=$((SECONDS + E2E_WINDOW_SECONDS))
    E2E_WINDOW=""
    while :; do
        E2E_WINDOW=$(e2e_windows_named "$title" | head -n 1)
        [[ -n "$E2E_WINDOW" ]] && return 0
        e2e_app_running || e2e_fail "the program ended while waiting for the window \"$title\""
        ((SECONDS < deadline)) ||
            e2e_fail "no window \"$title\" within $E2E_WINDOW_SECONDS s"
        sleep 0.1
    done
}

e2e_window_visible()
{
    xdotool search --onlyvisible --pid "$E2E_APP_PID" 2>/dev/null | grep -qx "$1"
}

# Waits until the window is gone (closed or hidden).
e2e_wait_gone()
{
    local window=$1 seconds=$2
    local deadline=$((SECONDS + seconds))
    while e2e_window_visible "$window"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
    return 0
}

# Gives the window the keyboard. With no window manager nobody else does:
# when a dialog closes, the focus does not return to the window below it.
e2e_focus()
{
    timeout "$E2E_STEP_SECONDS" xdotool windowfocus --sync "$1" ||
        e2e_fail "window $1 did not take the keyboard focus"
}

# Key presses (xdotool key names), in order, to the focused window.
e2e_keys()
{
    timeout "$E2E_STEP_SECONDS" xdotool key --delay 40 "$@" || e2e_fail "xdotool key $* failed"
}

# Text typed key by key into the focused window; a tab in it is the Tab key.
e2e_type()
{
    # A long text gets longer: a busy machine types a few keys a second.
    timeout "$((E2E_STEP_SECONDS + ${#1} / 2))" xdotool type --delay 12 -- "$1" ||
        e2e_fail "xdotool type '$1' failed"
}

# Answers the file dialog titled TITLE (Qt's own widget dialog, whose file
# name field has the focus when it opens) with a full path.
e2e_answer_file_dialog()
{
    local title=$1 path=$2
    e2e_wait_window "$title"
    local dialog=$E2E_WINDOW
    e2e_focus "$dialog"
    e2e_type "$path"
    # Return accepts the dialog. When the name's completion list is open,
    # the list may take the first Return for itself; the dialog then stays,
    # and a second Return accepts it. A Return that reaches the window below
    # after the dialog closed does nothing there (no default button).
    local _
    for _ in 1 2 3; do
        e2e_keys Return
        e2e_wait_gone "$dialog" 3 && return 0
        e2e_log "the file dialog is still open: Return again"
    done
    e2e_fail "the dialog \"$title\" did not take the file $path"
}

# Waits until a line of FILE matches the extended regular expression.
e2e_wait_for_line()
{
    local file=$1 pattern=$2
    local deadline=$((SECONDS + E2E_STEP_SECONDS))
    until grep -Eq -- "$pattern" "$file" 2>/dev/null; do
        e2e_app_running || e2e_fail "the program ended before $file held /$pattern/"
        ((SECONDS < deadline)) ||
            e2e_fail "no line /$pattern/ in $file within $E2E_STEP_SECONDS s"
        sleep 0.1
    done
}

# Waits until FILE exists: the program writes it after its dialog closed.
e2e_wait_for_file()
{
    local file=$1
    local deadline=$((SECONDS + E2E_STEP_SECONDS))
    until [[ -f "$file" ]]; do
        e2e_app_running || e2e_fail "the program ended without writing $file"
        ((SECONDS < deadline)) || e2e_fail "no file $file within $E2E_STEP_SECONDS s"
        sleep 0.1
    done
}

# Waits until the program has ended and sets E2E_APP_STATUS.
e2e_wait_exit()
{
    local deadline=$((SECONDS + E2E_EXIT_SECONDS))
    while e2e_app_running; do
        ((SECONDS < deadline)) || e2e_fail "the program did not end within $E2E_EXIT_SECONDS s"
        sleep 0.1
    done
    wait "$E2E_APP_PID"
    E2E_APP_STATUS=$?
    E2E_APP_PID=""
}

# Ends the program through its own File menu (Alt+F, then E&xit) and
# expects exit status 0: a sanitizer report at exit fails the test here.
e2e_exit_through_menu()
{
    local window=$1
    e2e_step "File > Exit"
    e2e_focus "$window"
    e2e_keys alt+f x
    e2e_wait_exit
    [[ "$E2E_APP_STATUS" == 0 ]] || e2e_fail "the program ended with status $E2E_APP_STATUS"
}

# The text of a written file with the time of its header masked.
e2e_masked()
{
    sed -E 's/^(File created: +).*$/\1<time>/' "$1"
}

e2e_passed()
{
    e2e_log "PASSED"
}
