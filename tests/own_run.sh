#!/bin/bash
# Runs a command with a /run of its own, where korrel keeps its run lock: a
# test neither waits for the machine's korrel runs nor holds them up, nor
# another test's, and leaves the machine's lock alone.  Root gets a mount
# namespace; another user a user namespace too, in which it acts as root.
# OWN_RUN is set there, so that a script can run itself through this once.
#
#   own_run.sh COMMAND ARGS...
user=--map-root-user
[ "$(id -u)" = 0 ] && user=
export OWN_RUN=1
exec unshare $user --mount bash -c 'mount -t tmpfs -o mode=755 tmpfs /run && mkdir -m 1777 /run/lock && exec "$@"' - "$@"
