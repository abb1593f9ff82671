# One run at a time on a host: korrel holds an exclusive lock from before
# its first read to its end, so a second run waits and reads what the first
# wrote.  The lock is korrel.lock in the user's state directory: each case's
# own ($KORREL_STATE_DIR) for root, by default ~/.local/state/korrel for
# another user.
=== Two runs started together on one slow device, editing two fields: one after the other, both edits kept
device: nine-block
run: mkdir a b; (cd a && FRUSIM_DELAY_MS=5 korrel BSN AAAA | tail -n 1) & (cd b && FRUSIM_DELAY_MS=5 korrel BM XYZ | tail -n 1); wait
[exit 0]
[exit 0]
files: a 755 d b 755 d
read 0-8
read 1-1
write 0-8
read 0-8
read 0-8
read 1-1
write 0-8
read 0-8
-000018 01 03 00 2c 1b 0a c3 41  >...,...A<
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000018 01 03 00 2c 1b 0a c3 58  >...,...X<
+000020 59 5a c0 c4 41 41 41 41  >YZ..AAAA<
+000028 c0 c0 c0 c1 00 00 00 54  >.......T<
=== A killed run releases the lock once its last child is gone; the next run goes ahead
device: nine-block
run: FRUSIM_DELAY_MS=2000 "$korrel_bin" BSN AAAA >/dev/null & until [ -s "$FRUSIM_LOG" ]; do sleep 0.1; done; kill -9 $!; wait $! 2>/dev/null; korrel BSN X | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-0
read 0-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== A user other than root runs in a directory of their own, under a lock of their own, not root's
device: nine-block
run: chmod 755 ..; chmod 666 ../dev.bin; : >../log; chmod 666 ../log; chown nobody .; unset KORREL_STATE_DIR XDG_STATE_HOME; HOME=$PWD nobody "$korrel_bin" BSN X | tail -n 2 | head -n 1; stat -c '%U %a %n' .local .local/state .local/state/korrel .local/state/korrel/korrel.lock
Command is completely!
nobody 700 .local
nobody 700 .local/state
nobody 700 .local/state/korrel
nobody 600 .local/state/korrel/korrel.lock
files: .local 700 d fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== The lock file removed and made anew while a run waits: the run locks the new one too
device: nine-block
run: chmod 755 ..; chmod 666 ../dev.bin; : >../log; chmod 666 ../log; chown nobody .; mkdir -m 700 state; chown nobody state; export KORREL_STATE_DIR=$PWD/state; nobody sh -c 'umask 077; f=$KORREL_STATE_DIR/korrel.lock; blocked() { for i in $(seq 100); do grep -q -- "-> FLOCK.*:$(stat -c %i $f) " /proc/locks && return; sleep 0.1; done; echo "korrel never waited"; }; exec 9>>$f; flock 9; "$0" BSN X >out 9>&- & blocked; rm $f; exec 8>>$f; flock 8; exec 9>&-; blocked; echo "new lock released"; exec 8>&-; wait $!; echo "[exit $?]"' "$korrel_bin" "$(id -u nobody)"
new lock released
[exit 0]
files: fru.sh 755 f out 600 f state 700 d
read 0-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== A lock held past its bound, here one second: the run is refused and sends nothing
device: nine-block
run: chmod 755 ..; chown nobody .; mkdir -m 700 state; chown nobody state; export KORREL_STATE_DIR=$PWD/state KORREL_WAIT_LIMIT=1; nobody sh -c 'umask 077; exec 9>>"$KORREL_STATE_DIR/korrel.lock"; flock 9; "$0" BSN X 9>&-; echo "[exit $?]"' "$korrel_bin" "$(id -u nobody)"
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Error!!!Another korrel run did not end within 60 s.
[exit 1]
files: state 700 d
device unchanged
=== A lock file that others could open and hold, or a link in its place, is refused
device: nine-block
run: chmod 755 ..; chown nobody .; mkdir -m 700 state; chown nobody state; export KORREL_STATE_DIR=$PWD/state; nobody sh -c 'f=$KORREL_STATE_DIR/korrel.lock; : >>$f; chmod 644 $f; "$0" BSN X | tail -n 1; chmod 600 $f; mv $f $f.kept; ln -s $f.kept $f; "$0" BSN X | tail -n 1; mv -f $f.kept $f' "$korrel_bin" "$(id -u nobody)"
Error!!!Run Lock File unusable.
Error!!!Run Lock File unusable.
files: state 700 d
device unchanged
=== The bounds korrel waits out, as it arms them: 60 s for the lock, 30 ms before a request is sent again; KORREL_WAIT_LIMIT only shortens them, in whole milliseconds and at least one, and leaves them when it is not digits with an optional fraction
device: nine-block
run: for limit in unset 100 60.001 30 1.5 0.0101 0 '' -1 ' 2' 1. .5 1e1 0x10 abc 18446744073709552; do [ "$limit" = unset ] || export KORREL_WAIT_LIMIT=$limit; rm -f "$FRUSIM_LOG"; echo "[$limit]" $(FRUSIM_FAIL_READ=0 waits BSN X); done
[unset] lock 60 pause 0.03
[100] lock 60 pause 0.03
[60.001] lock 60 pause 0.03
[30] lock 30 pause 0.03
[1.5] lock 1.5 pause 0.03
[0.0101] lock 0.011 pause 0.011
[0] lock 0.001 pause 0.001
[] lock 60 pause 0.03
[-1] lock 60 pause 0.03
[ 2] lock 60 pause 0.03
[1.] lock 60 pause 0.03
[.5] lock 60 pause 0.03
[1e1] lock 60 pause 0.03
[0x10] lock 60 pause 0.03
[abc] lock 60 pause 0.03
[18446744073709552] lock 60 pause 0.03
files: fru.sh 755 f
read 0-0
read 0-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
