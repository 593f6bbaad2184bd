#!/usr/bin/env bash
# Checks the Debian package end to end on this machine:
#
#   scripts/check-package.sh BUILD
#
# BUILD is a configured and built folder of the whole project. The script
# makes the package there with cpack, installs it with dpkg, checks that every
# file is where it belongs (the shipped parameter sets with their checksums
# too), runs tessara-cli (importing the shipped sets), starts tessara (whose
# Import must open in the shipped sets' folder) and tessparams on an X
# server of their own as a throwaway unprivileged user (and tessara once
# as root), checks that their files went to the user's data folder and that
# nothing was written under /usr, then purges the package and checks that none
# of its files is left. Pictures of the windows are kept in BUILD/package-check.
#
# Needs root (or sudo). The machine is left as it was found: the package is
# purged and the user removed on every exit, also after a failure, so the
# script can be run again at once. Exit status 0 when every check passed.

set -euo pipefail

readonly PACKAGE=tessara
readonly CHECK_USER=tessara-check
readonly CHECK_USER_COMMENT="Tessara package check (temporary)"
# -noreset: an X server resets when its last client leaves, and a program
# started in that moment cannot connect; the programs run one after another.
readonly SCREEN="-screen 0 1366x768x24 -noreset"
readonly WINDOW_SECONDS=${CHECK_WINDOW_SECONDS:-60}
readonly JOBS=${CHECK_JOBS:-2}  # build jobs when the programs are not built yet
# The worked example's ITRF point; the installed program must give what the
# program of the build folder gives.
readonly POINT_ARGS=(point --epoch 15/07/2005 --xyz -4052052.048 4212836.105 -2545105.587)

usage() { echo "usage: $0 BUILD   (a built folder of the whole project)" >&2; exit 2; }
[[ $# -eq 1 ]] || usage

if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "check-package: needs root or sudo" >&2; exit 2; }
    exec sudo -- "$0" "$@"
fi

build=$(realpath -- "$1")
[[ -f "$build/CMakeCache.txt" ]] || { echo "check-package: $build is not a build folder" >&2; exit 2; }

started=$SECONDS
step="start"
work=""
installed=""
user_made=""
pictures="$build/package-check"

say() { printf '[%4ds] %s\n' "$((SECONDS - started))" "$*"; }
begin() { step=$1; say "$step"; }
fail()
{
    echo "check-package: FAILED at '$step': $*" >&2
    exit 1
}

# What the throwaway user still runs after an interrupted session (its X
# server, a program) ends by process id, so the user can be removed.
end_user_processes()
{
    local pid
    for pid in $(ps -o pid= -u "$CHECK_USER" 2>/dev/null); do
        kill -KILL "$pid" 2>/dev/null
    done
    return 0
}

cleanup()
{
    local status=$?
    set +e
    if [[ -n "$user_made" ]]; then
        end_user_processes
        userdel --remove "$CHECK_USER" 2>/dev/null
    fi
    [[ -n "$installed" ]] && dpkg --purge "$PACKAGE" >/dev/null 2>&1
    [[ -n "$work" ]] && rm -rf "$work"
    if [[ $status -eq 0 ]]; then
        say "PASSED in $((SECONDS - started)) s"
    else
        say "the machine is restored after the failure"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'fail "stopped from outside"' INT TERM

# ---------------------------------------------------------------------------
begin "tools"
for tool in cpack dpkg dpkg-deb dpkg-query useradd userdel runuser xvfb-run Xvfb xdotool xauth; do
    command -v "$tool" >/dev/null || fail "'$tool' is not installed"
done
if dpkg-query -W -f='${Status}' "$PACKAGE" 2>/dev/null | grep -q 'ok installed'; then
    fail "the package $PACKAGE is installed already; the check would replace it (dpkg --purge $PACKAGE first)"
fi
if id "$CHECK_USER" >/dev/null 2>&1; then
    # Left by a check that was killed outright; a user of another origin is
    # never touched.
    [[ "$(getent passwd "$CHECK_USER" | cut -d: -f5)" == "$CHECK_USER_COMMENT" ]] ||
        fail "a user '$CHECK_USER' exists that this script did not make"
    end_user_processes
    userdel --remove "$CHECK_USER" 2>/dev/null || true
fi
work=$(mktemp -d /tmp/tessara-check.XXXXXX)
chmod 755 "$work"
rm -rf "$pictures"
mkdir -p "$pictures"

# ---------------------------------------------------------------------------
begin "building what the package holds"
cmake --build "$build" -j "$JOBS" --target tessara tessparams tessara-cli tessara_icons \
    >"$work/build.log" 2>&1 || { tail -n 30 "$work/build.log" >&2; fail "the build failed"; }

begin "cpack in $build"
rm -f "$build/${PACKAGE}"_*.deb
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 ||
    { tail -n 30 "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$build/${PACKAGE}"_*.deb)
[[ -f "${debs[0]}" && ${#debs[@]} -eq 1 ]] || fail "cpack made no single $PACKAGE .deb"
deb=${debs[0]}
say "package $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --field "$deb" Package Version Architecture Section Maintainer Installed-Size Depends |
    sed 's/^/    /'
[[ "$(dpkg-deb --field "$deb" Section)" == science ]] || fail "the section is not 'science'"
[[ -n "$(dpkg-deb --field "$deb" Depends)" ]] || fail "the package has no dependencies listed"

# Every path of the package, and which of them were there before: after the
# purge exactly those may remain.
dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed -e 's|^\./|/|' -e 's|/$||' |
    grep -v '^$' | grep -v '^/$' | sort -u >"$work/contents"
: >"$work/there-before"
while read -r path; do
    if [[ -e "$path" || -L "$path" ]]; then echo "$path" >>"$work/there-before"; fi
done <"$work/contents"

# ---------------------------------------------------------------------------
begin "dpkg -i"
installed=yes
dpkg -i "$deb" >"$work/dpkg-install.log" 2>&1 ||
    { cat "$work/dpkg-install.log" >&2; fail "dpkg -i failed"; }
dpkg -L "$PACKAGE" | sort -u >"$work/installed-files"

# ---------------------------------------------------------------------------
begin "installed files"
lib=/usr/lib/tessara
for program in tessara tessparams tessara-cli; do
    [[ -x "$lib/$program" && ! -L "$lib/$program" ]] || fail "$lib/$program is not an installed program"
    [[ -L "/usr/bin/$program" ]] || fail "/usr/bin/$program is not a link"
    [[ "$(readlink -f "/usr/bin/$program")" == "$lib/$program" ]] ||
        fail "/usr/bin/$program leads to $(readlink -f "/usr/bin/$program"), not $lib/$program"
done
for file in "$lib/tessara.ini" "$lib/tessara_help.html" "$lib/tessara-shared-install" \
            /usr/share/applications/tessara.desktop /usr/share/applications/tessparams.desktop \
            /usr/share/icons/hicolor/scalable/apps/tessara.svg; do
    [[ -s "$file" ]] || fail "$file is missing or empty"
done
grep -q '^HelpFile=tessara_help.html' "$lib/tessara.ini" || fail "tessara.ini does not name the help page"
shipped_sets=/usr/share/tessara/sets
for set in ITRF2005 ITRF2008 ITRF2014; do
    [[ -s "$shipped_sets/$set.params" ]] || fail "$shipped_sets/$set.params is missing or empty"
    shown=$(/usr/bin/tessara-cli params show "$shipped_sets/$set.params") ||
        fail "tessara-cli params show refuses $shipped_sets/$set.params"
    grep -qx "Name: *$set" <<<"$shown" || fail "$shipped_sets/$set.params holds another set"
    grep -q '^Checksum: .* - matches$' <<<"$shown" || fail "$shipped_sets/$set.params: checksum"
done
for size in 48 128 256; do
    png=/usr/share/icons/hicolor/${size}x${size}/apps/tessara.png
    [[ -s "$png" ]] || fail "$png is missing"
    file "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not a ${size}x${size} PNG"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate /usr/share/applications/tessara.desktop \
        /usr/share/applications/tessparams.desktop || fail "a desktop entry is not valid"
else
    say "  (desktop-file-validate is not installed: the desktop entries are not validated)"
fi
grep -qx 'Exec=tessara' /usr/share/applications/tessara.desktop || fail "tessara.desktop starts something else"
grep -qx 'Exec=tessparams' /usr/share/applications/tessparams.desktop ||
    fail "tessparams.desktop starts something else"
find "$lib" -printf '%p %s %T@ %m\n' | sort >"$work/lib-before"

# ---------------------------------------------------------------------------
begin "throwaway user $CHECK_USER"
useradd --create-home --shell /bin/bash --comment "$CHECK_USER_COMMENT" "$CHECK_USER"
user_made=yes
home=$(getent passwd "$CHECK_USER" | cut -d: -f6)
[[ -d "$home" ]] || fail "the user has no home folder"

# Runs a command as the user in a clean login-like environment.
as_user()
{
    runuser -u "$CHECK_USER" -- env -i HOME="$home" USER="$CHECK_USER" LOGNAME="$CHECK_USER" \
        PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"
}

# ---------------------------------------------------------------------------
begin "tessara-cli as the user"
as_user tessara-cli --help >"$work/cli-help" 2>&1 || fail "tessara-cli --help failed"
grep -q '^Usage: tessara-cli' "$work/cli-help" || fail "tessara-cli --help shows no usage"
as_user tessara-cli --version >"$work/cli-version" 2>&1 || fail "tessara-cli --version failed"
say "  $(head -n 1 "$work/cli-version")"
as_user tessara-cli "${POINT_ARGS[@]}" >"$work/cli-point" 2>"$work/cli-point.err" ||
    { cat "$work/cli-point.err" >&2; fail "tessara-cli point failed"; }
sed 's/^/    /' "$work/cli-point"
for key in X Y Z Latitude Longitude Height Epoch; do
    grep -q "^$key " "$work/cli-point" || fail "tessara-cli point gives no $key"
done
if [[ -x "$build/cli/tessara-cli" ]]; then
    mkdir "$work/empty-home"
    TESSARA_HOME="$work/empty-home" "$build/cli/tessara-cli" "${POINT_ARGS[@]}" \
        >"$work/cli-point.build" 2>/dev/null || fail "the build's tessara-cli point failed"
    diff -u "$work/cli-point.build" "$work/cli-point" >&2 ||
        fail "the installed tessara-cli computes otherwise than the build's"
fi
as_user tessara-cli params import "$shipped_sets"/ITRF2005.params "$shipped_sets"/ITRF2008.params \
    "$shipped_sets"/ITRF2014.params >"$work/cli-import" 2>&1 ||
    { cat "$work/cli-import" >&2; fail "tessara-cli params import of the shipped sets failed"; }
as_user tessara-cli point --set ITRF2014 --epoch 2015.0 --xyz -4052052.048 4212836.105 -2545105.587 \
    >"$work/cli-point-2014" 2>&1 || { cat "$work/cli-point-2014" >&2; fail "the imported ITRF2014 set is not usable"; }

# ---------------------------------------------------------------------------
# One X session: each program is started, its window awaited, pictured and
# closed through File > Exit. Written out so that the user (or root) runs it.
cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
# session.sh OUT PROGRAM... : runs in the X server of xvfb-run.
set -u
out=$1
shift
deadline_seconds=${WINDOW_SECONDS:-60}

window_named()  # the first visible window of the process whose title is exactly $2
{
    local w
    for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        [[ "$(xdotool getwindowname "$w" 2>/dev/null)" == "$2" ]] && { echo "$w"; return 0; }
    done
    return 1
}

wait_window()
{
    local pid=$1 title=$2 end=$((SECONDS + deadline_seconds)) w
    until w=$(window_named "$pid" "$title"); do
        kill -0 "$pid" 2>/dev/null || { echo "FAIL the program ended before its window \"$title\""; return 1; }
        ((SECONDS < end)) || { echo "FAIL no window \"$title\" within $deadline_seconds s"; return 1; }
        sleep 0.2
    done
    echo "$w"
}

picture() { import -window root "$out/$1.png" 2>/dev/null || echo "(no picture $1)"; }

run_program()
{
    local program=$1 title=$2 pid main help status end
    # The server must answer before a program is started: Qt gives up at once.
    end=$((SECONDS + deadline_seconds))
    until xdotool getdisplaygeometry >/dev/null 2>&1; do
        ((SECONDS < end)) || { echo "FAIL the X server does not answer"; return 1; }
        sleep 0.2
    done
    (cd "$HOME" && exec "$program") >"$out/$program.out" 2>&1 &
    pid=$!
    main=$(wait_window "$pid" "$title") || { echo "$main"; kill "$pid"; return 1; }
    echo "window \"$title\" of $program is shown"
    sleep 1
    picture "$program"
    if [[ "$program" == tessara ]]; then
        # F1 shows the help page that tessara.ini beside the program names;
        # without it a "Help Error" box comes instead.
        xdotool windowfocus --sync "$main" && xdotool key F1
        help=$(wait_window "$pid" "Tessara Help") ||
            { echo "$help"; picture "$program-help-missing"; kill "$pid"; return 1; }
        echo "help window of $program is shown"
        sleep 1
        picture "$program-help"
        # Parameters > Import starts in the folder of the shipped sets: a
        # bare name there opens the check dialog, which is cancelled.
        xdotool windowfocus --sync "$main" && xdotool key --delay 80 alt+p i
        chooser=$(wait_window "$pid" "Select parameter file to import") ||
            { echo "$chooser"; kill "$pid"; return 1; }
        xdotool windowfocus --sync "$chooser" && xdotool type --delay 20 "ITRF2014.params" &&
            xdotool key Return
        check=$(wait_window "$pid" "Check ITRF Parameters") ||
            { echo "$check (the import did not start in the shipped sets' folder)";
              picture "$program-import-failed"; kill "$pid"; return 1; }
        echo "import of $program starts in the shipped sets' folder"
        picture "$program-import-check"
        xdotool windowfocus --sync "$check" && xdotool key Escape
        sleep 1
    fi
    xdotool windowfocus --sync "$main" && xdotool key --delay 80 alt+f x
    end=$((SECONDS + deadline_seconds))
    while kill -0 "$pid" 2>/dev/null; do
        ((SECONDS < end)) || { echo "FAIL $program did not end after File > Exit"; kill "$pid"; return 1; }
        sleep 0.2
    done
    wait "$pid"
    status=$?
    [[ $status -eq 0 ]] || { echo "FAIL $program ended with status $status"; return 1; }
    echo "$program closed through File > Exit"
}

failed=0
while [[ $# -gt 0 ]]; do
    run_program "$1" "$2" || failed=1
    shift 2
done
exit "$failed"
SESSION
chmod 755 "$work/session.sh"

# The desktop's session settings of the caller must not reach the programs.
gui_environment=(QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: WINDOW_SECONDS="$WINDOW_SECONDS")

begin "tessara and tessparams as the user, under Xvfb"
user_out="$home/check-out"
as_user mkdir "$user_out"
session_status=0
as_user env "${gui_environment[@]}" xvfb-run -a -e "$user_out/xvfb.err" -s "$SCREEN" \
    "$work/session.sh" "$user_out" tessara Tessara tessparams "ITRF Parameters" \
    >"$work/session-user.log" 2>&1 || session_status=$?
sed 's/^/    /' "$work/session-user.log"
cp "$user_out"/*.png "$pictures"/ 2>/dev/null || true
[[ $session_status -eq 0 ]] || { cat "$user_out"/*.out "$user_out/xvfb.err" >&2 2>/dev/null; fail "a program failed as the user"; }

begin "the user's files are in the user's data folder"
data="$home/.local/share/tessara"
[[ -d "$data" ]] || fail "$data was not made"
[[ -s "$data/tessara.log" ]] || fail "the log file is not in $data"
say "  $data: $(find "$data" -mindepth 1 -printf '%f ')"
written=$(find /usr -xdev -user "$CHECK_USER" 2>/dev/null | head -n 20)
[[ -z "$written" ]] || fail "the user wrote under /usr: $written"
find "$lib" -printf '%p %s %T@ %m\n' | sort >"$work/lib-after"
diff -u "$work/lib-before" "$work/lib-after" >&2 || fail "$lib changed while the user ran the programs"

begin "tessara as root, under Xvfb"
# Root may write into the shared folder; the marker still sends root's files
# to root's data folder (a throwaway home here).
root_home="$work/root-home"
mkdir -p "$root_home" "$work/root-out"
env -i HOME="$root_home" USER=root LOGNAME=root PATH=/usr/bin:/bin:/usr/sbin:/sbin LANG=C.UTF-8 \
    "${gui_environment[@]}" xvfb-run -a -s "$SCREEN" \
    "$work/session.sh" "$work/root-out" tessara Tessara >"$work/session-root.log" 2>&1 ||
    { cat "$work/session-root.log" "$work/root-out"/*.out >&2 2>/dev/null; fail "tessara failed as root"; }
sed 's/^/    /' "$work/session-root.log"
[[ -s "$root_home/.local/share/tessara/tessara.log" ]] ||
    fail "root's log file is not in root's data folder"
find "$lib" -printf '%p %s %T@ %m\n' | sort >"$work/lib-after"
diff -u "$work/lib-before" "$work/lib-after" >&2 || fail "$lib changed while root ran tessara"

# ---------------------------------------------------------------------------
begin "dpkg --purge"
dpkg --purge "$PACKAGE" >"$work/dpkg-purge.log" 2>&1 ||
    { cat "$work/dpkg-purge.log" >&2; fail "dpkg --purge failed"; }
installed=""
status=$(dpkg-query -W -f='${Status}' "$PACKAGE" 2>/dev/null || true)
[[ -z "$status" || "$status" == *not-installed ]] || fail "dpkg still has the package: $status"
left=()
while read -r path; do
    [[ -e "$path" || -L "$path" ]] || continue
    grep -qxF -- "$path" "$work/there-before" && continue
    left+=("$path")
done < <(sort -u "$work/installed-files" "$work/contents")
[[ ${#left[@]} -eq 0 ]] || fail "left behind after the purge: ${left[*]}"
say "  no file of the package is left ($(wc -l <"$work/installed-files") paths checked)"

begin "removing the user"
end_user_processes
userdel --remove "$CHECK_USER" 2>/dev/null || fail "userdel failed"
user_made=""
! id "$CHECK_USER" >/dev/null 2>&1 || fail "the user is still there"
[[ ! -e "$home" ]] || fail "the user's home $home is still there"
say "pictures of the windows: $pictures"
