# Every console message of a failed run: where it appears, that the run ends
# with status 1, and that nothing reaches the BMC.  Refused records are in
# shapes.t, the scratch files' messages in files.t, the decoder's in
# decoder.t, and every read and write refused in turn in faults.sh.
=== No ipmitool at all
device: nine-block
run: PATH=$PWD korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!Read FRU Failed.[exit 1]
2> korrel: ipmitool: No such file or directory
2> korrel: ipmitool: No such file or directory
2> korrel: ipmitool: No such file or directory
2> korrel: ipmitool: No such file or directory
2> korrel: ipmitool: No such file or directory
files:
device unchanged
=== A read refused once is sent again 30 ms later, and the edit goes on
device: nine-block
run: FRUSIM_FAIL_READ=0 korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~ Done.
Modify FRU ~
Got BSN


 ---Run user's command--- 

 Done.
Write fru.txt ~ Done.
Parser fru.txt ~ Done.
Write fru.sh ~ Done.
Execute fru.sh ~ Done.
Delete files ~------------------------
Command is completely!
------------------------
[exit 0]
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x11 rsp=0xc0): Node busy
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
=== A read answered with a short line once is sent again
device: nine-block
run: FRUSIM_READ_LINE='4: 08 01 02' korrel BSN X | sed -n 5p
Read FRU from BMC ~ Done.
files: fru.sh 755 f
read 0-4
read 4-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== A read refused five times in a row ends the run; nothing is written
device: nine-block
run: FRUSIM_FAIL_READ=2- korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!Read FRU Failed.[exit 1]
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x11 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x11 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x11 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x11 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x11 rsp=0xc0): Node busy
files:
read 0-2
read 2-2
read 2-2
read 2-2
read 2-2
device unchanged
=== A header whose board area lies behind its product area
device: nine-block
patch: 0x03 07
run: korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!Common Header Invalid.
[exit 1]
files:
read 0-0
device unchanged
=== A value of 64 bytes, tested before the key
device: nine-block
run: korrel XYZ 1234567890123456789012345678901234567890123456789012345678901234
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~ Done.
Modify FRU ~
Got XYZ


 ---Run user's command--- 

Error!!!Data too long.
[exit 1]
files:
read 0-8
read 1-1
device unchanged
=== Keys are case-sensitive, and the date has no key
device: nine-block
run: korrel bsn X | tail -n 23; korrel MFG X | tail -n 1; korrel ONLY_BSN X | tail -n 1; korrel "" X | tail -n 1
Error!!!unknown command.

usage: KORREL [Options...] <Data>

Options : 
CPN : Chassis Part Number
CSN : Chassis Serial Number
CCI : Custom Chassis Info
BM  : Board manufacturer
BPN : Board Product Name
BSN : Board Serial Number
BAN : Board Part Number
FFI : FRU File IDS
CM  : Custom MFG
MN  : Manufacturer Name
PN  : Product Name
PPN : Product Part Model Number
PV  : Product Version
PSN : Product Serial Number
AT  : Asset Tag
FII : FRU File ID
CPI : Custom Product Info
[exit 1]
[exit 1]
[exit 1]
[exit 1]
files:
read 0-8
read 1-1
read 0-8
read 1-1
read 0-8
read 1-1
read 0-8
read 1-1
device unchanged
=== A value with a newline splits its line of fru.txt
device: nine-block
run: korrel BSN $'A\nB' | sed -n '/Write fru.txt/,$p'; korrel CPI $'A\nB' | sed -n '/Parser/,$p'
Write fru.txt ~ Done.
Parser fru.txt ~Input File fru.txt Format Error!!![exit 1]
Parser fru.txt ~Input File fru.txt Format Error!!![exit 1]
files: fru.txt 600 f
read 0-8
read 1-1
read 0-8
read 1-1
device unchanged
=== A date changed in fru.txt during the run
device: nine-block
run: stage korrel::parseFruText 'printf "%s\n" "$(sed "s/^MFG Date Time:.*/MFG Date Time:12345/" fru.txt)" > fru.txt' BSN X | sed -n '/Parser/,$p'
Parser fru.txt ~MFG Date Time Format Error!!![exit 1]
files: fru.txt 600 f
read 0-8
read 1-1
device unchanged
=== A write error on fru.sh: here its size limit, as a full disk would
device: nine-block 512
run: (trap '' XFSZ; ulimit -f 1; unset FRUSIM_LOG; korrel BPN 123456789012345678901234567890123456789012345678901234567890123 | sed -n '/Write fru.sh/,$p')
Write fru.sh ~Output File fru.sh Error!!!
[exit 1]
files: fru.sh 700 f fru.txt 600 f
device unchanged
=== A write refused once stops the script; korrel sends the rest itself
device: nine-block
run: FRUSIM_FAIL_WRITE=3 korrel BSN X | sed -n '/Execute/,$p'
Execute fru.sh ~ Done.
Delete files ~------------------------
Command is completely!
------------------------
[exit 0]
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
files: fru.sh 755 f
read 0-8
read 1-1
write 0-3
write 3-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== A write that stores 7 of its 8 bytes once: korrel sends that block and the rest again
device: nine-block
run: FRUSIM_WRITE_COUNT=6:07 korrel BSN X | sed -n '/Execute/,$p'
Execute fru.sh ~ Done.
Delete files ~------------------------
Command is completely!
------------------------
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
write 6-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== Writes refused from block 4 on: the old record is written back; fru.sh, fru.txt and out.txt stay
device: nine-block
run: FRUSIM_FAIL_WRITE_BLOCK=4 korrel BSN X | sed -n '/Execute/,$p'; cat out.txt
Execute fru.sh ~Error!!!Write FRU Failed.
The old record was written back and reads as before: the BMC holds it unchanged.
[exit 1]
==== FRU =====
 08
 08
 08
 08
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
files: fru.sh 755 f fru.txt 600 f out.txt 600 f
read 0-8
read 1-1
write 0-4
write 4-4
write 4-4
write 4-4
write 4-4
write 4-4
write 4-4
write 4-4
write 4-4
write 4-4
write 4-4
read 0-4
device unchanged
=== Writes refused from the sixth on, the restore's too: the record is part old, part new
device: nine-block
run: FRUSIM_FAIL_WRITE=5- korrel BSN X | sed -n '/Execute/,$p'
Execute fru.sh ~Error!!!Write FRU Failed.
The record is left part old, part new. Fix the cause, then run korrel again: it
reads the record first, and finishes this write or says how to (README, Safety).
[exit 1]
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
files: fru.sh 755 f fru.txt 600 f out.txt 600 f
read 0-8
read 1-1
write 0-5
write 5-5
write 5-5
write 5-5
write 5-5
write 5-5
write 4-4
write 4-4
write 4-4
write 4-4
write 4-5
write 5-5
write 5-5
write 5-5
write 5-5
read 0-4
write 4-4
write 4-4
write 4-4
write 4-4
write 4-4
read 5-5
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
=== Writes refused from the sixth on and every read-back refused: what the BMC holds is not known, and the verdict says so
device: nine-block
run: FRUSIM_FAIL_WRITE=5- FRUSIM_FAIL_READ=10- korrel BSN X 2>/dev/null | tail -n 2
the record first, and finishes or drops this write (README, Safety).
[exit 1]
files: fru.sh 755 f fru.txt 600 f out.txt 600 f
read 0-8
read 1-1
write 0-5
write 5-5
write 5-5
write 5-5
write 5-5
write 5-5
write 4-4
write 4-4
write 4-4
write 4-4
write 4-5
write 5-5
write 5-5
write 5-5
write 5-5
read 0-0
read 0-0
read 0-0
read 0-0
read 0-0
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
=== An ipmitool that answers each write of fru.sh twice: out.txt cannot be mapped onto blocks, and korrel sends each itself
device: nine-block
run: ipmitool_with 'case "$*" in *" 0x12 "*) grep -q fru.sh /proc/$PPID/cmdline && echo " 08" ;; esac'; korrel BSN X | tail -n 2
------------------------
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== A short write lets the script go on; when the BMC then refuses every write, the blocks behind it count as overwritten too
device: nine-block
run: FRUSIM_WRITE_COUNT=3:07 FRUSIM_FAIL_WRITE=9- korrel BSN X 2>/dev/null | tail -n 3
The record is left part old, part new. Fix the cause, then run korrel again: it
reads the record first, and finishes this write or says how to (README, Safety).
[exit 1]
files: fru.sh 755 f fru.txt 600 f out.txt 600 f
read 0-8
read 1-1
write 0-8
write 3-3
write 3-3
write 3-3
write 3-3
write 3-4
write 4-4
write 4-4
write 4-4
write 4-5
write 5-5
write 5-5
write 5-5
write 5-5
read 0-4
write 4-4
write 4-4
write 4-4
write 4-4
write 4-4
read 5-5
write 5-5
write 5-5
write 5-5
write 5-5
write 5-5
read 6-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== The read-back compares every byte: block 4 differs from the old one only in its first byte
device: nine-block
run: FRUSIM_FAIL_WRITE=5- korrel BM ACC 2>/dev/null | tail -n 3
The record is left part old, part new. Fix the cause, then run korrel again: it
reads the record first, and finishes this write or says how to (README, Safety).
[exit 1]
files: fru.sh 755 f fru.txt 600 f out.txt 600 f
read 0-8
read 1-1
write 0-5
write 5-5
write 5-5
write 5-5
write 5-5
write 5-5
write 4-4
write 4-4
write 4-4
write 4-4
write 4-5
write 5-5
write 5-5
write 5-5
write 5-5
read 0-4
write 4-4
write 4-4
write 4-4
write 4-4
write 4-4
read 5-5
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
+000020 43 43 c0 c4 53 4e 30 31  >CC..SN01<
