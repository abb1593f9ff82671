# Whole edits against the stand-in BMC, by the three forms of the command line.
=== No arguments: the usage, and the nine-block record written back as it was
device: nine-block
run: korrel; cat fru.sh
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~ Done.
Modify FRU ~
Got (null)


 ---without or wrong user's command, pls input data as below--- 

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
Write fru.txt ~ Done.
Parser fru.txt ~ Done.
Write fru.sh ~ Done.
Execute fru.sh ~ Done.
Delete files ~------------------------
Command is completely!
------------------------
[exit 0]
#!/bin/sh

echo ==== FRU =====
ipmitool raw 0x0A 0x12 0x00 0x00 0x00 0x01 0x01 0x02 0x03 0x06 0x00 0x00 0xF3
ipmitool raw 0x0A 0x12 0x00 0x08 0x00 0x01 0x00 0x01 0x04 0x00 0x00 0x03 0xF7
ipmitool raw 0x0A 0x12 0x00 0x10 0x00 0x01 0x01 0x17 0xC0 0xC0 0xC0 0xC1 0xE6
ipmitool raw 0x0A 0x12 0x00 0x18 0x00 0x01 0x03 0x00 0x2C 0x1B 0x0A 0xC3 0x41
ipmitool raw 0x0A 0x12 0x00 0x20 0x00 0x42 0x43 0xC0 0xC4 0x53 0x4E 0x30 0x31
ipmitool raw 0x0A 0x12 0x00 0x28 0x00 0xC0 0xC0 0xC0 0xC1 0x00 0x00 0x00 0x9B
ipmitool raw 0x0A 0x12 0x00 0x30 0x00 0x01 0x03 0x00 0xC3 0x41 0x42 0x43 0xC2
ipmitool raw 0x0A 0x12 0x00 0x38 0x00 0x58 0x31 0xC0 0xC0 0xC0 0xC0 0xC0 0xC0
ipmitool raw 0x0A 0x12 0x00 0x40 0x00 0xC1 0x00 0x00 0x00 0x00 0x00 0x00 0xE7
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-8
device unchanged
=== ONLY_BSN empties all fields but the board serial number and stores the fixed date
device: nine-block
run: korrel ONLY_BSN; cat fru.sh
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~ Done.
Modify FRU ~
Got ONLY_BSN
Write fru.txt ~ Done.
Parser fru.txt ~ Done.
Write fru.sh ~
Change MFG date to Fri Mar  1 09:00:00 2019,and keep BSN
 Done.
Execute fru.sh ~ Done.
Delete files ~------------------------
Command is completely!
------------------------
[exit 0]
#!/bin/sh

echo ==== FRU =====
ipmitool raw 0x0A 0x12 0x00 0x00 0x00 0x01 0x01 0x02 0x03 0x06 0x00 0x00 0xF3
ipmitool raw 0x0A 0x12 0x00 0x08 0x00 0x01 0x00 0x01 0x04 0x00 0x00 0x03 0xF7
ipmitool raw 0x0A 0x12 0x00 0x10 0x00 0x01 0x01 0x17 0xC0 0xC0 0xC0 0xC1 0xE6
ipmitool raw 0x0A 0x12 0x00 0x18 0x00 0x01 0x03 0x00 0xBC 0xE3 0xB9 0xC0 0xC0
ipmitool raw 0x0A 0x12 0x00 0x20 0x00 0xC4 0x53 0x4E 0x30 0x31 0xC0 0xC0 0xC0
ipmitool raw 0x0A 0x12 0x00 0x28 0x00 0xC1 0x00 0x00 0x00 0x00 0x00 0x00 0x5D
ipmitool raw 0x0A 0x12 0x00 0x30 0x00 0x01 0x02 0x00 0xC0 0xC0 0xC0 0xC0 0xC0
ipmitool raw 0x0A 0x12 0x00 0x38 0x00 0xC0 0xC0 0xC0 0xC1 0x00 0x00 0x00 0x3C
files: fru.sh 755 f
read 0-8
read 1-1
write 0-7
read 0-7
-000018 01 03 00 2c 1b 0a c3 41  >...,...A<
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
-000030 01 03 00 c3 41 42 43 c2  >....ABC.<
-000038 58 31 c0 c0 c0 c0 c0 c0  >X1......<
+000018 01 03 00 bc e3 b9 c0 c0  >........<
+000020 c4 53 4e 30 31 c0 c0 c0  >.SN01...<
+000028 c1 00 00 00 00 00 00 5d  >.......]<
+000030 01 02 00 c0 c0 c0 c0 c0  >........<
+000038 c0 c0 c0 c1 00 00 00 3c  >.......<<
=== BSN on the sample: 35 reads, the last three above byte offset 255
device: sample
run: korrel BSN ABC123
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
files: fru.sh 755 f
read 0-34
read 1-1
write 0-33
read 0-33
-000000 01 01 02 08 14 00 00 e0  >........<
+000000 01 01 02 08 13 00 00 e1  >........<
-000040 01 0c 00 be b0 db cf 43  >.......C<
+000040 01 0b 00 be b0 db cf 43  >.......C<
-000070 cc 42 53 4e 32 33 4d 31  >.BSN23M1<
-000078 37 30 34 38 31 cd 4d 42  >70481.MB<
-000080 2d 58 31 32 44 50 54 2d  >-X12DPT-<
-000088 41 30 33 c0 cc 50 43 42  >A03..PCB<
-000090 41 20 52 65 76 20 41 30  >A Rev A0<
-000098 33 c1 00 00 00 00 00 7c  >3......|<
-0000a0 01 0f 00 cf 43 6f 6e 74  >....Cont<
-0000a8 6f 73 6f 20 53 79 73 74  >oso Syst<
-0000b0 65 6d 73 d5 43 6f 6e 74  >ems.Cont<
-0000b8 6f 73 6f 20 56 61 6e 74  >oso Vant<
-0000c0 61 67 65 20 52 32 32 34  >age R224<
-0000c8 30 cf 56 52 32 32 34 30  >0.VR2240<
-0000d0 2d 53 4b 55 2d 38 38 34  >-SKU-884<
-0000d8 31 c4 31 2e 30 32 cc 50  >1.1.02.P<
-0000e0 53 4e 34 51 39 42 37 37  >SN4Q9B77<
-0000e8 31 32 30 cc 41 53 53 45  >120.ASSE<
-0000f0 54 2d 30 30 30 37 33 31  >T-000731<
-0000f8 cb 46 52 55 2d 52 32 32  >.FRU-R22<
-000100 34 30 2d 33 cd 43 6f 6e  >40-3.Con<
-000108 66 69 67 20 42 54 4f 2d  >fig BTO-<
+000070 c6 41 42 43 31 32 33 cd  >.ABC123.<
+000078 4d 42 2d 58 31 32 44 50  >MB-X12DP<
+000080 54 2d 41 30 33 c0 cc 50  >T-A03..P<
+000088 43 42 41 20 52 65 76 20  >CBA Rev <
+000090 41 30 33 c1 00 00 00 f1  >A03.....<
+000098 01 0f 00 cf 43 6f 6e 74  >....Cont<
+0000a0 6f 73 6f 20 53 79 73 74  >oso Syst<
+0000a8 65 6d 73 d5 43 6f 6e 74  >ems.Cont<
+0000b0 6f 73 6f 20 56 61 6e 74  >oso Vant<
+0000b8 61 67 65 20 52 32 32 34  >age R224<
+0000c0 30 cf 56 52 32 32 34 30  >0.VR2240<
+0000c8 2d 53 4b 55 2d 38 38 34  >-SKU-884<
+0000d0 31 c4 31 2e 30 32 cc 50  >1.1.02.P<
+0000d8 53 4e 34 51 39 42 37 37  >SN4Q9B77<
+0000e0 31 32 30 cc 41 53 53 45  >120.ASSE<
+0000e8 54 2d 30 30 30 37 33 31  >T-000731<
+0000f0 cb 46 52 55 2d 52 32 32  >.FRU-R22<
+0000f8 34 30 2d 33 cd 43 6f 6e  >40-3.Con<
+000100 66 69 67 20 42 54 4f 2d  >fig BTO-<
+000108 31 37 c1 00 00 00 00 25  >17.....%<
=== Upper-case answers read as lower-case ones
device: sample
run: FRUSIM_UPPERCASE=1 korrel BSN ABC123 | tail -n 3
Command is completely!
------------------------
[exit 0]
files: fru.sh 755 f
read 0-34
read 1-1
write 0-33
read 0-33
-000000 01 01 02 08 14 00 00 e0  >........<
+000000 01 01 02 08 13 00 00 e1  >........<
-000040 01 0c 00 be b0 db cf 43  >.......C<
+000040 01 0b 00 be b0 db cf 43  >.......C<
-000070 cc 42 53 4e 32 33 4d 31  >.BSN23M1<
-000078 37 30 34 38 31 cd 4d 42  >70481.MB<
-000080 2d 58 31 32 44 50 54 2d  >-X12DPT-<
-000088 41 30 33 c0 cc 50 43 42  >A03..PCB<
-000090 41 20 52 65 76 20 41 30  >A Rev A0<
-000098 33 c1 00 00 00 00 00 7c  >3......|<
-0000a0 01 0f 00 cf 43 6f 6e 74  >....Cont<
-0000a8 6f 73 6f 20 53 79 73 74  >oso Syst<
-0000b0 65 6d 73 d5 43 6f 6e 74  >ems.Cont<
-0000b8 6f 73 6f 20 56 61 6e 74  >oso Vant<
-0000c0 61 67 65 20 52 32 32 34  >age R224<
-0000c8 30 cf 56 52 32 32 34 30  >0.VR2240<
-0000d0 2d 53 4b 55 2d 38 38 34  >-SKU-884<
-0000d8 31 c4 31 2e 30 32 cc 50  >1.1.02.P<
-0000e0 53 4e 34 51 39 42 37 37  >SN4Q9B77<
-0000e8 31 32 30 cc 41 53 53 45  >120.ASSE<
-0000f0 54 2d 30 30 30 37 33 31  >T-000731<
-0000f8 cb 46 52 55 2d 52 32 32  >.FRU-R22<
-000100 34 30 2d 33 cd 43 6f 6e  >40-3.Con<
-000108 66 69 67 20 42 54 4f 2d  >fig BTO-<
+000070 c6 41 42 43 31 32 33 cd  >.ABC123.<
+000078 4d 42 2d 58 31 32 44 50  >MB-X12DP<
+000080 54 2d 41 30 33 c0 cc 50  >T-A03..P<
+000088 43 42 41 20 52 65 76 20  >CBA Rev <
+000090 41 30 33 c1 00 00 00 f1  >A03.....<
+000098 01 0f 00 cf 43 6f 6e 74  >....Cont<
+0000a0 6f 73 6f 20 53 79 73 74  >oso Syst<
+0000a8 65 6d 73 d5 43 6f 6e 74  >ems.Cont<
+0000b0 6f 73 6f 20 56 61 6e 74  >oso Vant<
+0000b8 61 67 65 20 52 32 32 34  >age R224<
+0000c0 30 cf 56 52 32 32 34 30  >0.VR2240<
+0000c8 2d 53 4b 55 2d 38 38 34  >-SKU-884<
+0000d0 31 c4 31 2e 30 32 cc 50  >1.1.02.P<
+0000d8 53 4e 34 51 39 42 37 37  >SN4Q9B77<
+0000e0 31 32 30 cc 41 53 53 45  >120.ASSE<
+0000e8 54 2d 30 30 30 37 33 31  >T-000731<
+0000f0 cb 46 52 55 2d 52 32 32  >.FRU-R22<
+0000f8 34 30 2d 33 cd 43 6f 6e  >40-3.Con<
+000100 66 69 67 20 42 54 4f 2d  >fig BTO-<
+000108 31 37 c1 00 00 00 00 25  >17.....%<
=== Three arguments: the usage, and the record written back
device: nine-block
run: korrel BSN X Y
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~ Done.
Modify FRU ~
Got BSN


 ---without or wrong user's command, pls input data as below--- 

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
Write fru.txt ~ Done.
Parser fru.txt ~ Done.
Write fru.sh ~ Done.
Execute fru.sh ~ Done.
Delete files ~------------------------
Command is completely!
------------------------
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-8
device unchanged
=== A lone key: the usage, and the record written back
device: nine-block
run: korrel BSN
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~ Done.
Modify FRU ~
Got BSN


 ---wrong user's command, pls input data as below--- 

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
Write fru.txt ~ Done.
Parser fru.txt ~ Done.
Write fru.sh ~ Done.
Execute fru.sh ~ Done.
Delete files ~------------------------
Command is completely!
------------------------
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-8
device unchanged
=== Keys are case-sensitive: only_bsn is no command
device: nine-block
run: korrel only_bsn | sed -n 6,9p
Modify FRU ~
Got only_bsn


files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-8
device unchanged
=== Every key sets its own field
device: nine-block 512
run: for k in CPN CSN CCI BM BPN BSN BAN FFI CM MN PN PPN PV PSN AT FII CPI; do korrel $k "$k value" | tail -n 1; done
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
raw 0x0A 0x10 0x00
write 0-10
read 0-10
read 0-10
read 1-1
raw 0x0A 0x10 0x00
write 0-11
read 0-11
read 0-11
read 1-1
raw 0x0A 0x10 0x00
write 0-12
read 0-12
read 0-12
read 1-1
raw 0x0A 0x10 0x00
write 0-13
read 0-13
read 0-13
read 1-1
raw 0x0A 0x10 0x00
write 0-14
read 0-14
read 0-14
read 1-1
write 0-14
read 0-14
read 0-14
read 1-1
raw 0x0A 0x10 0x00
write 0-16
read 0-16
read 0-16
read 1-1
raw 0x0A 0x10 0x00
write 0-17
read 0-17
read 0-17
read 1-1
raw 0x0A 0x10 0x00
write 0-18
read 0-18
read 0-18
read 1-1
write 0-18
read 0-18
read 0-18
read 1-1
raw 0x0A 0x10 0x00
write 0-19
read 0-19
read 0-19
read 1-1
raw 0x0A 0x10 0x00
write 0-20
read 0-20
read 0-20
read 1-1
raw 0x0A 0x10 0x00
write 0-21
read 0-21
read 0-21
read 1-1
raw 0x0A 0x10 0x00
write 0-22
read 0-22
read 0-22
read 1-1
raw 0x0A 0x10 0x00
write 0-23
read 0-23
read 0-23
read 1-1
raw 0x0A 0x10 0x00
write 0-24
read 0-24
read 0-24
read 1-1
raw 0x0A 0x10 0x00
write 0-26
read 0-26
-000000 01 01 02 03 06 00 00 f3  >........<
+000000 01 01 02 07 10 00 00 e5  >........<
-000010 01 01 17 c0 c0 c0 c1 e6  >........<
-000018 01 03 00 2c 1b 0a c3 41  >...,...A<
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
-000030 01 03 00 c3 41 42 43 c2  >....ABC.<
-000038 58 31 c0 c0 c0 c0 c0 c0  >X1......<
-000040 c1 00 00 00 00 00 00 e7  >........<
-000048 00 00 00 00 00 00 00 00  >........<
-000050 00 00 00 00 00 00 00 00  >........<
-000058 00 00 00 00 00 00 00 00  >........<
-000060 00 00 00 00 00 00 00 00  >........<
-000068 00 00 00 00 00 00 00 00  >........<
-000070 00 00 00 00 00 00 00 00  >........<
-000078 00 00 00 00 00 00 00 00  >........<
-000080 00 00 00 00 00 00 00 00  >........<
-000088 00 00 00 00 00 00 00 00  >........<
-000090 00 00 00 00 00 00 00 00  >........<
-000098 00 00 00 00 00 00 00 00  >........<
-0000a0 00 00 00 00 00 00 00 00  >........<
-0000a8 00 00 00 00 00 00 00 00  >........<
-0000b0 00 00 00 00 00 00 00 00  >........<
-0000b8 00 00 00 00 00 00 00 00  >........<
-0000c0 00 00 00 00 00 00 00 00  >........<
-0000c8 00 00 00 00 00 00 00 00  >........<
+000010 01 05 17 c9 43 50 4e 20  >....CPN <
+000018 76 61 6c 75 65 c9 43 53  >value.CS<
+000020 4e 20 76 61 6c 75 65 c9  >N value.<
+000028 43 43 49 20 76 61 6c 75  >CCI valu<
+000030 65 c1 00 00 00 00 00 7c  >e......|<
+000038 01 09 00 2c 1b 0a c8 42  >...,...B<
+000040 4d 20 76 61 6c 75 65 c9  >M value.<
+000048 42 50 4e 20 76 61 6c 75  >BPN valu<
+000050 65 c9 42 53 4e 20 76 61  >e.BSN va<
+000058 6c 75 65 c9 42 41 4e 20  >lue.BAN <
+000060 76 61 6c 75 65 c9 46 46  >value.FF<
+000068 49 20 76 61 6c 75 65 c8  >I value.<
+000070 43 4d 20 76 61 6c 75 65  >CM value<
+000078 c1 00 00 00 00 00 00 3a  >.......:<
+000080 01 0b 00 c8 4d 4e 20 76  >....MN v<
+000088 61 6c 75 65 c8 50 4e 20  >alue.PN <
+000090 76 61 6c 75 65 c9 50 50  >value.PP<
+000098 4e 20 76 61 6c 75 65 c8  >N value.<
+0000a0 50 56 20 76 61 6c 75 65  >PV value<
+0000a8 c9 50 53 4e 20 76 61 6c  >.PSN val<
+0000b0 75 65 c8 41 54 20 76 61  >ue.AT va<
+0000b8 6c 75 65 c9 46 49 49 20  >lue.FII <
+0000c0 76 61 6c 75 65 c9 43 50  >value.CP<
+0000c8 49 20 76 61 6c 75 65 c1  >I value.<
=== 63 bytes are kept whole, one character gets a NUL behind it, an empty value empties the field
device: nine-block 512
run: korrel CPI 123456789012345678901234567890123456789012345678901234567890123 | tail -n 1; korrel CSN X | tail -n 1; korrel BM "" | tail -n 1
[exit 0]
[exit 0]
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
raw 0x0A 0x10 0x00
write 0-16
read 0-16
read 0-16
read 1-1
raw 0x0A 0x10 0x00
write 0-17
read 0-17
read 0-17
read 1-1
write 0-17
read 0-17
-000000 01 01 02 03 06 00 00 f3  >........<
+000000 01 01 02 04 07 00 00 f1  >........<
-000010 01 01 17 c0 c0 c0 c1 e6  >........<
-000018 01 03 00 2c 1b 0a c3 41  >...,...A<
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
-000030 01 03 00 c3 41 42 43 c2  >....ABC.<
-000038 58 31 c0 c0 c0 c0 c0 c0  >X1......<
-000040 c1 00 00 00 00 00 00 e7  >........<
-000048 00 00 00 00 00 00 00 00  >........<
-000050 00 00 00 00 00 00 00 00  >........<
-000058 00 00 00 00 00 00 00 00  >........<
-000060 00 00 00 00 00 00 00 00  >........<
-000068 00 00 00 00 00 00 00 00  >........<
-000070 00 00 00 00 00 00 00 00  >........<
-000078 00 00 00 00 00 00 00 00  >........<
-000080 00 00 00 00 00 00 00 00  >........<
-000088 00 00 00 00 00 00 00 00  >........<
+000010 01 02 17 c0 c2 58 00 c0  >.....X..<
+000018 c1 00 00 00 00 00 00 8b  >........<
+000020 01 03 00 2c 1b 0a c0 c0  >...,....<
+000028 c4 53 4e 30 31 c0 c0 c0  >.SN01...<
+000030 c1 00 00 00 00 00 00 64  >.......d<
+000038 01 0b 00 c3 41 42 43 c2  >....ABC.<
+000040 58 31 c0 c0 c0 c0 c0 ff  >X1......<
+000048 31 32 33 34 35 36 37 38  >12345678<
+000050 39 30 31 32 33 34 35 36  >90123456<
+000058 37 38 39 30 31 32 33 34  >78901234<
+000060 35 36 37 38 39 30 31 32  >56789012<
+000068 33 34 35 36 37 38 39 30  >34567890<
+000070 31 32 33 34 35 36 37 38  >12345678<
+000078 39 30 31 32 33 34 35 36  >90123456<
+000080 37 38 39 30 31 32 33 c1  >7890123.<
+000088 00 00 00 00 00 00 00 bc  >........<
=== Values are stored byte for byte: blanks, quotes, shell syntax, a leading dash
device: nine-block 512
run: korrel PN " -x \$(id) 'q' \"d\" ;|&<> " | tail -n 1; korrel AT "%s%n\\" | tail -n 1; korrel PV $'\xff\x01\xc1' | tail -n 1
[exit 0]
[exit 0]
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
raw 0x0A 0x10 0x00
write 0-10
read 0-10
read 0-10
read 1-1
raw 0x0A 0x10 0x00
write 0-11
read 0-11
read 0-11
read 1-1
write 0-11
read 0-11
-000030 01 03 00 c3 41 42 43 c2  >....ABC.<
-000038 58 31 c0 c0 c0 c0 c0 c0  >X1......<
-000040 c1 00 00 00 00 00 00 e7  >........<
-000048 00 00 00 00 00 00 00 00  >........<
-000050 00 00 00 00 00 00 00 00  >........<
-000058 00 00 00 00 00 00 00 00  >........<
+000030 01 06 00 c3 41 42 43 d8  >....ABC.<
+000038 20 2d 78 20 24 28 69 64  > -x $(id<
+000040 29 20 27 71 27 20 22 64  >) 'q' "d<
+000048 22 20 3b 7c 26 3c 3e 20  >" ;|&<> <
+000050 c0 c3 ff 01 c1 c0 c5 25  >.......%<
+000058 73 25 6e 5c c0 c0 c1 a2  >s%n\....<
