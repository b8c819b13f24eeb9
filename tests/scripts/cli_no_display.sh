#!/usr/bin/env bash
# Without a display: every command's --help prints its help, and a command
# that opens a window says in one line what is missing (and how to run it
# offscreen) instead of letting Qt abort.
#   usage: cli_no_display.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/lib/cli_test.sh" cli_no_display "$@"
scratch
tpl="$src/examples/sample_card.tpl"
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$kyt" "$@"; }

commands=$("$kyt" --help | awk '/^Commands:/ { on = 1; next } on && /^  [a-z]/ { print $1 }')
[[ $commands == *design* && $commands == *preview* ]] || fail "no command list: $commands"
for c in $commands; do
    for h in --help -h; do
        bare "$c" "$h" > "$tmp/out" 2> "$tmp/err"; rc=$?
        [[ $rc -eq 0 ]] || fail "$c $h exited $rc: $(cat "$tmp/err")"
        grep -q "^Usage: kytpreview $c" "$tmp/out" || fail "$c $h printed no help"
    done
done

# The window commands name what is missing.
no_window_rows bare DISPLAY

# An explicit xcb platform needs DISPLAY too.
env -u DISPLAY QT_QPA_PLATFORM=xcb "$kyt" design "$tpl" 2> "$tmp/err"; rc=$?
[[ $rc -eq 1 ]] && grep -q "QT_QPA_PLATFORM is xcb and DISPLAY is unset" "$tmp/err" \
    || fail "xcb without DISPLAY: rc $rc: $(cat "$tmp/err")"

# A Wayland display alone serves only when Qt has its Wayland plugin.
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)
if [[ -n $plugins ]] && ! compgen -G "$plugins/platforms/*qwayland*" > /dev/null; then
    env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-77 "$kyt" design "$tpl" 2> "$tmp/err"; rc=$?
    [[ $rc -eq 1 ]] && grep -q "Wayland platform plugin is not installed" "$tmp/err" \
        || fail "Wayland without its plugin: rc $rc: $(cat "$tmp/err")"
fi

# The hint works: offscreen needs no display.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$kyt" design --screenshot "$tmp/shot.png" "$tpl" \
    || fail "design offscreen exited $?"
[[ -s "$tmp/shot.png" ]] || fail "no screenshot offscreen"

# Commands that only print text start no window system at all: a platform
# that does not exist would abort any that did.
for c in version "settings --help" "targets list"; do
    eval "set -- $c"
    QT_QPA_PLATFORM=no-such-platform "$kyt" "$@" > "$tmp/out" 2> "$tmp/err"; rc=$?
    [[ $rc -eq 0 ]] || fail "'$c' with no platform plugin exited $rc: $(cat "$tmp/err")"
done
echo "ok"
