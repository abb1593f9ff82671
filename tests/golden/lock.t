# One run at a time on a host: korrel holds an exclusive lock from before
# its first read to its end, so a second run waits and reads what the first
# wrote.  The lock is korrel.lock in the user's state directory: each case's
# own ($KORREL_STATE_DIR) for root, by default ~/.local/state/korrel for
# another user.
=== Two runs started together on one slow device, editing two fields: one after the other, both edits kept
device: nine-block
run: mkdir a b; (cd a && FRUSIM_DELAY_MS=20 korrel BSN AAAA | tail -n 1) & (cd b && FRUSIM_DELAY_MS=20 korrel BM XYZ | tail -n 1); wait
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
run: FRUSIM_DELAY_MS=5000 "$korrel_bin" BSN AAAA >/dev/null & until [ -s "$FRUSIM_LOG" ]; do sleep 0.1; done; kill -9 $!; wait $! 2>/dev/null; korrel BSN X | tail -n 1
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
=== A lock held past 60 s: the run is refused and sends nothing
device: nine-block
run: chmod 755 ..; chown nobody .; mkdir -m 700 state; chown nobody state; export KORREL_STATE_DIR=$PWD/state; nobody sh -c 'umask 077; exec 9>>"$KORREL_STATE_DIR/korrel.lock"; flock 9; "$0" BSN X 9>&-; echo "[exit $?]"' "$korrel_bin" "$(id -u nobody)"
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
