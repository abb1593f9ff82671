# A write counts only when the device reads it back: every block written is
# read back and compared, and one that differs is written again, within the
# retry rule.  A block the device does not keep is a failed write, undone.
=== Every write confirmed and none stored, as behind a write-protected EEPROM: the failure says so, and the record reads as before
device: nine-block
run: FRUSIM_LOSE_WRITE=0- korrel BSN X | sed -n '/Execute/,$p'
Execute fru.sh ~Error!!!FRU Device did not keep the data written.
The old record was written back and reads as before: the BMC holds it unchanged.
[exit 1]
files: fru.sh 755 f fru.txt 600 f out.txt 600 f
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
device unchanged
=== One write confirmed and not stored: that block is written again, and the edit goes on
device: nine-block
run: FRUSIM_LOSE_WRITE=4 korrel BSN X | tail -n 2
------------------------
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-4
write 4-4
read 4-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== Writes confirmed and not stored from the sixth on, the restore's too: the record is left part old, part new, and the verdict says so
device: nine-block
run: FRUSIM_LOSE_WRITE=5- korrel BSN X 2>&1 | tail -n 4
Execute fru.sh ~Error!!!FRU Device did not keep the data written.
The record is left part old, part new. Fix the cause, then run korrel again: it
reads the record first, and finishes this write or says how to (README, Safety).
[exit 1]
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
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
=== Writes refused from block 5 on, after an edit that moves every area, and every read-back refused: every old block is written back before any read, and the verdict is not known, not part old, part new
device: nine-block 512
run: FRUSIM_FAIL_WRITE_BLOCK=5 FRUSIM_FAIL_READ=10- korrel CPN ABC 2>/dev/null | tail -n 5
Execute fru.sh ~Error!!!Write FRU Failed.
The old record was written back, but could not be read back from block 0 on:
what the BMC holds is not known. Fix the cause, then run korrel again: it reads
the record first, and finishes or drops this write (README, Safety).
[exit 1]
files: fru.sh 755 f fru.txt 600 f out.txt 600 f
read 0-8
read 1-1
raw 0x0A 0x10 0x00
write 0-5
write 5-5
write 5-5
write 5-5
write 5-5
write 5-5
write 0-0
write 2-5
write 5-5
write 5-5
write 5-5
write 5-5
read 0-0
read 0-0
read 0-0
read 0-0
read 0-0
device unchanged
=== A bit flipped in the first read of the internal use area, which no checksum covers: its second and third reads agree, and only the edit is written
device: nine-block
run: FRUSIM_READ_FLIP=1 korrel BSN X | tail -n 2
------------------------
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== Every read of the internal use area after the first with another bit flipped: no two reads agree, and the record is refused before anything is written
device: nine-block
run: FRUSIM_READ_FLIP=9- korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!Internal Use Info not read the same twice.
[exit 1]
files:
read 0-8
read 1-1
read 1-1
read 1-1
read 1-1
device unchanged
