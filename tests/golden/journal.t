# A write cut off is finished by the next run: before its first write korrel
# stores the old bytes of the blocks it writes and the new record in a
# journal for the device ($KORREL_STATE_DIR/fru0.journal), and removes it
# once the device reads back either record whole.  cut_off (tests/golden.sh)
# kills korrel's whole session as a power loss would.
=== The session killed at every write of an edit and at its read-back, then a run with another edit: the device ends with both edits every time
device: nine-block
run: korrel BSN AAAA >/dev/null; korrel BM XYZ >/dev/null; cp $FRUSIM_IMAGE ../both.bin; fru | grep -E 'Board (Manuf|Serial)'; for k in 0 1 2 3 4 5 6 7 8; do cut_off WRITE $k; echo "write $k: $(korrel BM XYZ | grep -o 'Finish.*' || echo 'no line'), $(cmp -s $FRUSIM_IMAGE ../both.bin && echo both edits)"; done; cut_off READ 10; echo "read-back: $(korrel BM XYZ | grep -o 'Finish.*' || echo 'no line'), $(cmp -s $FRUSIM_IMAGE ../both.bin && echo both edits)"; ls $KORREL_STATE_DIR
  FRU Board Manufacturing Date/Time: 04/04/97 - 22:36:00
  FRU Board Manufacturer: XYZ
  FRU Board Serial Number: AAAA
write 0: Finish an earlier run's write ~ Done., both edits
write 1: Finish an earlier run's write ~ Done., both edits
write 2: Finish an earlier run's write ~ Done., both edits
write 3: Finish an earlier run's write ~ Done., both edits
write 4: Finish an earlier run's write ~ Done., both edits
write 5: Finish an earlier run's write ~ Done., both edits
write 6: no line, both edits
write 7: no line, both edits
write 8: no line, both edits
read-back: no line, both edits
korrel.lock
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-0
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
=== A journal the device holds neither record of, next to a sound record written since by other means: it is stale, kept aside, and the edit goes on
device: nine-block
run: KORREL_STATE_DIR=$PWD/../other korrel PN OTHER >/dev/null; cp $FRUSIM_IMAGE ../other.bin; cut_off WRITE 5; ipmitool fru write 0 ../other.bin >/dev/null; korrel BM XYZ | sed -n "s|$KORREL_STATE_DIR|STATE|; s/stale-[0-9]*/stale-TIME/; 5,6p"; ls $KORREL_STATE_DIR | sed 's/[0-9]*$//'; ls $KORREL_STATE_DIR/*stale*
The journal of an earlier write matches neither record on the device: stale, kept aside as STATE/fru0.journal.stale-TIME.
Read FRU from BMC ~ Done.
fru0.journal.stale-
korrel.lock
new.bin
old.bin
files: fru.sh 755 f
read 0-8
read 1-1
write 0-5
fru write 0 ../other.bin
read 0-8
read 0-8
read 1-1
read 0-8
read 1-1
write 0-8
read 0-8
-000018 01 03 00 2c 1b 0a c3 41  >...,...A<
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
-000030 01 03 00 c3 41 42 43 c2  >....ABC.<
-000038 58 31 c0 c0 c0 c0 c0 c0  >X1......<
-000040 c1 00 00 00 00 00 00 e7  >........<
+000018 01 03 00 2c 1b 0a c3 58  >...,...X<
+000020 59 5a c0 c4 53 4e 30 31  >YZ..SN01<
+000028 c0 c0 c0 c1 00 00 00 56  >.......V<
+000030 01 03 00 c3 41 42 43 c5  >....ABC.<
+000038 4f 54 48 45 52 c0 c0 c0  >OTHER...<
+000040 c0 c0 c0 c1 00 00 00 eb  >........<
=== A journal next to a damaged record that matches it not: the run stops, naming the journal, whose new.bin restores the record by hand
device: nine-block
run: cut_off WRITE 5; printf '\x99' | dd of=$FRUSIM_IMAGE bs=1 seek=34 conv=notrunc status=none; korrel BM XYZ | sed "s|$KORREL_STATE_DIR|STATE|" | tail -n 2; ls $KORREL_STATE_DIR/fru0.journal; (cd $KORREL_STATE_DIR/fru0.journal && ipmitool fru write 0 new.bin >/dev/null); korrel BM XYZ | tail -n 1
Error!!!FRU Record damaged; restore old.bin or new.bin of the journal STATE/fru0.journal.
[exit 1]
new.bin
old.bin
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
write 0-5
read 0-8
read 0-8
fru write 0 new.bin
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
=== A failed write the old record cannot be put back over keeps its journal, and the next run finishes it; one put back drops it
device: nine-block
run: FRUSIM_LOSE_WRITE=5- korrel BSN AAAA | tail -n 3; ls $KORREL_STATE_DIR; korrel BM XYZ | sed -n 5p; ls $KORREL_STATE_DIR; FRUSIM_LOSE_WRITE=9- korrel BSN BBBB | tail -n 2; ls $KORREL_STATE_DIR
The record is left part old, part new. Fix the cause, then run korrel again: it
reads the record first, and finishes this write or says how to (README, Safety).
[exit 1]
fru0.journal
korrel.lock
Finish an earlier run's write ~ Done.
korrel.lock
The old record was written back and reads as before: the BMC holds it unchanged.
[exit 1]
korrel.lock
files: fru.sh 755 f fru.txt 600 f out.txt 600 f
read 0-8
read 1-1
write 0-8
read 0-5
write 5-5
read 5-5
write 5-5
read 5-5
write 5-5
read 5-5
write 5-5
read 5-5
write 4-5
read 0-4
write 4-4
read 4-4
write 4-4
read 4-4
write 4-4
read 4-4
write 4-4
read 4-8
read 0-8
write 5-8
read 0-8
read 0-8
read 1-1
write 0-8
read 0-8
read 0-8
read 1-1
write 0-8
read 0-4
write 4-4
read 4-4
write 4-4
read 4-4
write 4-4
read 4-4
write 4-4
read 4-4
write 4-5
read 0-8
-000018 01 03 00 2c 1b 0a c3 41  >...,...A<
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000018 01 03 00 2c 1b 0a c3 58  >...,...X<
+000020 59 5a c0 c4 41 41 41 41  >YZ..AAAA<
+000028 c0 c0 c0 c1 00 00 00 54  >.......T<
=== A failed write whose old record is put back by hand (the saved copy): the next run drops its journal, and does not finish it
device: nine-block
run: FRUSIM_LOSE_WRITE=5- korrel BSN AAAA | tail -n 1; ls $KORREL_STATE_DIR/fru0.journal; ipmitool fru write 0 ../before.bin >/dev/null; korrel BM XYZ | sed -n 5p; ls $KORREL_STATE_DIR
[exit 1]
new.bin
old.bin
undo
Read FRU from BMC ~ Done.
korrel.lock
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-5
write 5-5
read 5-5
write 5-5
read 5-5
write 5-5
read 5-5
write 5-5
read 5-5
write 4-5
read 0-4
write 4-4
read 4-4
write 4-4
read 4-4
write 4-4
read 4-4
write 4-4
read 4-8
fru write 0 ../before.bin
read 0-8
read 0-8
read 1-1
write 0-8
read 0-8
-000018 01 03 00 2c 1b 0a c3 41  >...,...A<
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000018 01 03 00 2c 1b 0a c3 58  >...,...X<
+000020 59 5a c0 c4 53 4e 30 31  >YZ..SN01<
+000028 c0 c0 c0 c1 00 00 00 56  >.......V<
=== A journal that cannot be stored (here a file in the way of the one being made): the run stops before its first write
device: nine-block
run: mkdir -m 700 $KORREL_STATE_DIR; touch $KORREL_STATE_DIR/fru0.journal.new; korrel BSN X | sed "s|$KORREL_STATE_DIR|STATE|" | tail -n 3
Write fru.sh ~ Done.
Error!!!Journal STATE/fru0.journal unusable.
[exit 1]
files: fru.sh 700 f fru.txt 600 f
read 0-8
read 1-1
device unchanged
