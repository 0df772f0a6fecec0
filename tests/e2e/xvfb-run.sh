#!/usr/bin/env bash
# Runs a command on an X server of its own with a 1600x900 screen, as xvfb-run -a does, but
# starting the search for a free display number at a random point: xvfb-run -a calls started at
# the same moment all try :99 first, and the losers end up talking to a server they hold no key for.
# -noreset keeps the server as it is when a test's program closes its last connection.
exec xvfb-run -a -n $((100 + RANDOM % 20000)) -s "-screen 0 1600x900x24 -noreset" "$@"
