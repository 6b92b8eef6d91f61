#!/usr/bin/env bash
# Runs the real program as a screen reader meets it: on its own Xvfb display, with a private
# D-Bus session whose accessibility bus (at-spi2-core) Qt registers with, and reads it there
# through AT-SPI (quillet_atspi_test.py says what it checks).
# Usage: quillet_atspi_test.sh PATH_TO_QUILLET
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# A private session bus, so that nothing of the desktop the test runs on is read or changed.
# The accessibility bus starts on demand when Qt asks the session bus for it.
source "$here/x_session.sh"
run_in_private_session "$@"
run_under_xvfb "$@"

# Qt registers with the accessibility bus only when asked to, as an assistive technology on
# a desktop would ask it.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The system's Python, where Debian's python3-pyatspi lives, whatever python3 the PATH finds.
exec /usr/bin/python3 "$here/quillet_atspi_test.py" "$1"
