#!/usr/bin/env bash
# Run under an X server (xvfb-run): starts the program on a project and waits until its main
# window carries the project's well name, then checks that no message box stands beside it (a
# help document not found, a project that cannot be opened, a synthetic that cannot be drawn).
#   program_opens_project.sh PROGRAM PROJECT.tsp WELL_NAME
set -uo pipefail
program=$1 project=$2 well=$3

settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
XDG_CONFIG_HOME=$settings QT_QPA_PLATFORM=xcb "$program" "$project" 2>/dev/null &
pid=$!

# The program's mapped windows with their titles, one a line.
program_windows() {
    xwininfo -root -tree | sed -n 's/^ *0x[0-9a-f]* "\(.*\)": ("tessarin" "Tessarin").*/\1/p'
}

title="Tessarin Synthetic Seismogram : $well"
for ((tick = 0; tick < 120; ++tick)); do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "the program ended before it showed the project" >&2
        exit 1
    fi
    # Past the splash ("Tessarin"), any window but the main one is a message box.
    if program_windows | grep -qxF "$title" ||
        program_windows | grep -qvxE "Tessarin|Tessarin Synthetic Seismogram.*"; then
        break
    fi
    sleep 0.5
done
sleep 2  # a message after the project opened would be up by now
windows=$(program_windows)
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null

if [ "$windows" != "$title" ]; then
    echo "expected one window, \"$title\"; the program shows:" >&2
    echo "$windows" | sed 's/^/  /' >&2
    exit 1
fi
