#!/usr/bin/env bash
# Runs a test as a screen reader's user would have it: on the X server that xvfb-run gives, in a private
# session bus with the accessibility (AT-SPI) bus up and the toolkit's bridge on, so that what the window
# sends to screen readers can be watched.
#   atspi.sh COMMAND [ARGUMENTS...]
set -u
[ -n "${TAVELON_ATSPI_INNER:-}" ] || exec env TAVELON_ATSPI_INNER=1 dbus-run-session -- "$0" "$@"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2>/dev/null' EXIT
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
    sleep 0.1
done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 TAVELON_TEST_BRIDGE=1 "$@"
