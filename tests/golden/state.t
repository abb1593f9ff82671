# korrel's state between runs, the run lock and the journal, lives in one
# directory only its owner may write: KORREL_STATE_DIR (every case here has
# its own), /var/lib/korrel for root, ~/.local/state/korrel for another
# user.  lock.t shows the lock in it.
=== A state directory that others may write to, one of another user, and a relative one are refused before anything is read
device: nine-block
run: mkdir -m 777 ../shared ../foreign; chown nobody ../foreign; chmod 755 ../foreign; for d in $PWD/../shared $PWD/../foreign state; do KORREL_STATE_DIR=$d korrel BSN X | tail -n 2 | sed "s|$PWD/||"; done
Error!!!State Directory ../shared unusable.
[exit 1]
Error!!!State Directory ../foreign unusable.
[exit 1]
Error!!!State Directory state unusable.
[exit 1]
files:
device unchanged
=== A state directory that is missing is made, private, with what is missing above it
device: nine-block
run: KORREL_STATE_DIR=$PWD/../a/b korrel BSN X | tail -n 1; stat -c '%a %n' ../a ../a/b ../a/b/korrel.lock
[exit 0]
700 ../a
700 ../a/b
600 ../a/b/korrel.lock
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== A user other than root keeps the state under $XDG_STATE_HOME/korrel when it is set
device: nine-block
run: chmod 755 ..; chmod 666 ../dev.bin; : >../log; chmod 666 ../log; chown nobody .; unset KORREL_STATE_DIR; XDG_STATE_HOME=$PWD/xdg HOME=$PWD nobody "$korrel_bin" BSN X | tail -n 2 | head -n 1; stat -c '%U %a %n' xdg/korrel xdg/korrel/korrel.lock
Command is completely!
nobody 700 xdg/korrel
nobody 600 xdg/korrel/korrel.lock
files: fru.sh 755 f xdg 700 d
read 0-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
