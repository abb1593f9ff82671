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
2> sh: 1: ipmitool: not found
files:
device unchanged
=== The first read refused
device: nine-block
run: FRUSIM_FAIL_READ=0 korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!Read FRU Failed.[exit 1]
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x11 rsp=0xc0): Node busy
files:
read 0-0
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
device unchanged
=== Keys are case-sensitive, and the date has no key
device: nine-block
run: korrel bsn X | tail -n 22; korrel MFG X | tail -n 1; korrel ONLY_BSN X | tail -n 1; korrel "" X | tail -n 1

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
read 0-8
read 0-8
read 0-8
device unchanged
=== A value with a newline splits its line of fru.txt
device: nine-block
run: korrel BSN $'A\nB' | sed -n '/Write fru.txt/,$p'; korrel CPI $'A\nB' | sed -n '/Parser/,$p'
Write fru.txt ~ Done.
Parser fru.txt ~Input File fru.txt Format Error!!![exit 1]
Parser fru.txt ~Input File fru.txt Format Error!!![exit 1]
files: fru.txt 600 f
read 0-8
read 0-8
device unchanged
=== A date changed in fru.txt during the run
device: nine-block
run: stage korrel::parseFruText 'printf "%s\n" "$(sed "s/^MFG Date Time:.*/MFG Date Time:12345/" fru.txt)" > fru.txt' BSN X | sed -n '/Parser/,$p'
Parser fru.txt ~MFG Date Time Format Error!!![exit 1]
files: fru.txt 600 f
read 0-8
device unchanged
=== A write error on fru.sh: here its size limit, as a full disk would
device: nine-block 512
run: (trap '' XFSZ; ulimit -f 1; unset FRUSIM_LOG; korrel BPN 123456789012345678901234567890123456789012345678901234567890123 | sed -n '/Write fru.sh/,$p')
Write fru.sh ~Output File fru.sh Error!!!
[exit 1]
files: fru.sh 700 f fru.txt 600 f
device unchanged
=== A write refused by the BMC stops the script; fru.sh, fru.txt and out.txt stay
device: nine-block
run: FRUSIM_FAIL_WRITE=3 korrel BSN X | sed -n '/Execute/,$p'; cat out.txt
Execute fru.sh ~Error!!!Write FRU Failed.
[exit 1]
==== FRU =====
 08
 08
 08
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x12 rsp=0xc0): Node busy
files: fru.sh 755 f fru.txt 600 f out.txt 600 f
read 0-8
write 0-3
device unchanged
