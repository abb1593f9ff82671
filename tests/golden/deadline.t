# No request may hang a run: each runs in a process group of its own and is
# killed with all it started when it has not answered within its deadline
# (30 s; here the shortest KORREL_WAIT_LIMIT leaves, 1 s), and then counts as
# failed and is sent again; fru.sh is stopped the
# same way when no write has answered for that long.  The run lock passes to
# no child but fru.sh.  A request hung for good is in hang.t.
=== The run lock passes to fru.sh and its writes, and to no other request
device: nine-block
run: ipmitool_with 'ls -l /proc/$$/fd 2>/dev/null | grep -c "korrel.*lock" >>../fds'; korrel BSN X | tail -n 1; sort ../fds | uniq -c
[exit 0]
     19 0
      9 1
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== A read that never answers is killed at its deadline and sent again; the edit goes on, within the deadline and the retries
device: nine-block
run: s=$SECONDS; KORREL_WAIT_LIMIT=0.001 FRUSIM_HANG_READ=3 korrel BSN X | tail -n 1; [ $((SECONDS - s)) -lt 90 ] && echo "within 90 s"
[exit 0]
within 90 s
files: fru.sh 755 f
read 0-3
read 3-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== A write of fru.sh that never answers: the script is killed when no write has answered for the deadline, and korrel sends the rest itself
device: nine-block
run: KORREL_WAIT_LIMIT=0.001 FRUSIM_HANG_WRITE=4 korrel BSN X | sed -n '/Execute/,$p'
Execute fru.sh ~ Done.
Delete files ~------------------------
Command is completely!
------------------------
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
write 0-4
write 4-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
