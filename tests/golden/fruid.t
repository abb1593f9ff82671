# --fru-id N: every request of a run addresses FRU device N.  as_device
# serves the case's device as device N with the sample record as device 0
# beside it, which must come out unchanged.  Without the option the device
# is 0, as every other table shows.
=== --fru-id 3 edits a power supply's record on device 3: every read, the size request and every fru.sh line carry 0x03
device: psu-board 512
run: as_device 3 korrel --fru-id 3 BSN PS0420; cat fru.sh
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
device 0 unchanged
#!/bin/sh

echo ==== FRU =====
ipmitool raw 0x0A 0x12 0x03 0x00 0x00 0x01 0x01 0x00 0x02 0x08 0x0E 0x00 0xE6
ipmitool raw 0x0A 0x12 0x03 0x08 0x00 0x01 0x00 0x01 0x04 0x00 0x00 0x03 0xF7
ipmitool raw 0x0A 0x12 0x03 0x10 0x00 0x01 0x06 0x00 0x10 0x20 0xB5 0xC5 0x44
ipmitool raw 0x0A 0x12 0x03 0x18 0x00 0x65 0x6C 0x74 0x61 0xCA 0x44 0x50 0x53
ipmitool raw 0x0A 0x12 0x03 0x20 0x00 0x2D 0x31 0x36 0x30 0x30 0x41 0x42 0xC6
ipmitool raw 0x0A 0x12 0x03 0x28 0x00 0x50 0x53 0x30 0x34 0x32 0x30 0xCD 0x50
ipmitool raw 0x0A 0x12 0x03 0x30 0x00 0x4E 0x2D 0x44 0x50 0x53 0x2D 0x31 0x36
ipmitool raw 0x0A 0x12 0x03 0x38 0x00 0x30 0x30 0x41 0x42 0xC0 0xC0 0xC1 0xD7
ipmitool raw 0x0A 0x12 0x03 0x40 0x00 0x01 0x06 0x00 0xC5 0x44 0x65 0x6C 0x74
ipmitool raw 0x0A 0x12 0x03 0x48 0x00 0x61 0xCA 0x44 0x50 0x53 0x2D 0x31 0x36
ipmitool raw 0x0A 0x12 0x03 0x50 0x00 0x30 0x30 0x41 0x42 0xCC 0x4D 0x2D 0x44
ipmitool raw 0x0A 0x12 0x03 0x58 0x00 0x50 0x53 0x2D 0x31 0x36 0x30 0x30 0x41
ipmitool raw 0x0A 0x12 0x03 0x60 0x00 0x42 0xC2 0x41 0x31 0xC6 0x50 0x53 0x30
ipmitool raw 0x0A 0x12 0x03 0x68 0x00 0x34 0x31 0x39 0xC0 0xC0 0xC0 0xC1 0x12
ipmitool raw 0x0A 0x12 0x03 0x70 0x00 0x00 0x02 0x18 0xDE 0x08 0x20 0x03 0x10
ipmitool raw 0x0A 0x12 0x03 0x78 0x00 0x27 0x00 0x00 0x00 0x00 0x5A 0x0F 0xE8
ipmitool raw 0x0A 0x12 0x03 0x80 0x00 0x03 0x2C 0x01 0x20 0x03 0x01 0x02 0x03
ipmitool raw 0x0A 0x12 0x03 0x88 0x00 0x04 0x05 0x06 0x07 0x08 0x01 0x02 0x0D
ipmitool raw 0x0A 0x12 0x03 0x90 0x00 0xCB 0x25 0x01 0xB0 0x04 0xF4 0x01 0xF4
ipmitool raw 0x0A 0x12 0x03 0x98 0x00 0x01 0x32 0x00 0x00 0x00 0x64 0x00 0x02
ipmitool raw 0x0A 0x12 0x03 0xA0 0x00 0x82 0x0D 0xD9 0x96 0x01 0xB0 0x04 0x4C
ipmitool raw 0x0A 0x12 0x03 0xA8 0x00 0x04 0x14 0x05 0x32 0x00 0x00 0x00 0xD0
ipmitool raw 0x0A 0x12 0x03 0xB0 0x00 0x07 0x00 0x00 0x00 0x00 0x00 0x00 0x00
files: fru.sh 755 f
read 0-0 of device 0x03
raw 0x0A 0x10 0x03
read 1-21 of device 0x03
write 0-22 of device 0x03
read 0-22 of device 0x03
-000000 01 00 00 01 07 0d 00 ea  >........<
-000008 01 06 00 10 20 b5 c5 44  >.... ..D<
-000010 65 6c 74 61 ca 44 50 53  >elta.DPS<
-000018 2d 31 36 30 30 41 42 c6  >-1600AB.<
-000020 42 53 30 34 31 39 cd 50  >BS0419.P<
-000028 4e 2d 44 50 53 2d 31 36  >N-DPS-16<
-000030 30 30 41 42 c0 c0 c1 dd  >00AB....<
-000038 01 06 00 c5 44 65 6c 74  >....Delt<
-000040 61 ca 44 50 53 2d 31 36  >a.DPS-16<
-000048 30 30 41 42 cc 4d 2d 44  >00AB.M-D<
-000050 50 53 2d 31 36 30 30 41  >PS-1600A<
-000058 42 c2 41 31 c6 50 53 30  >B.A1.PS0<
-000060 34 31 39 c0 c0 c0 c1 12  >419.....<
-000068 00 02 18 de 08 20 03 10  >..... ..<
-000070 27 00 00 00 00 5a 0f e8  >'....Z..<
-000078 03 2c 01 20 03 01 02 03  >.,. ....<
-000080 04 05 06 07 08 01 02 0d  >........<
-000088 cb 25 01 b0 04 f4 01 f4  >.%......<
-000090 01 32 00 00 00 64 00 02  >.2...d..<
-000098 82 0d d9 96 01 b0 04 4c  >.......L<
-0000a0 04 14 05 32 00 00 00 d0  >...2....<
-0000a8 07 00 00 00 00 00 00 00  >........<
-0000b0 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 08 0e 00 e6  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 06 00 10 20 b5 c5 44  >.... ..D<
+000018 65 6c 74 61 ca 44 50 53  >elta.DPS<
+000020 2d 31 36 30 30 41 42 c6  >-1600AB.<
+000028 50 53 30 34 32 30 cd 50  >PS0420.P<
+000030 4e 2d 44 50 53 2d 31 36  >N-DPS-16<
+000038 30 30 41 42 c0 c0 c1 d7  >00AB....<
+000040 01 06 00 c5 44 65 6c 74  >....Delt<
+000048 61 ca 44 50 53 2d 31 36  >a.DPS-16<
+000050 30 30 41 42 cc 4d 2d 44  >00AB.M-D<
+000058 50 53 2d 31 36 30 30 41  >PS-1600A<
+000060 42 c2 41 31 c6 50 53 30  >B.A1.PS0<
+000068 34 31 39 c0 c0 c0 c1 12  >419.....<
+000070 00 02 18 de 08 20 03 10  >..... ..<
+000078 27 00 00 00 00 5a 0f e8  >'....Z..<
+000080 03 2c 01 20 03 01 02 03  >.,. ....<
+000088 04 05 06 07 08 01 02 0d  >........<
+000090 cb 25 01 b0 04 f4 01 f4  >.%......<
+000098 01 32 00 00 00 64 00 02  >.2...d..<
+0000a0 82 0d d9 96 01 b0 04 4c  >.......L<
+0000a8 04 14 05 32 00 00 00 d0  >...2....<
+0000b0 07 00 00 00 00 00 00 00  >........<
=== --fru-id=3 is the same option
device: psu-board 512
run: as_device 3 korrel --fru-id=3 PSN PS-NEW | tail -n 3
------------------------
[exit 0]
device 0 unchanged
files: fru.sh 755 f
read 0-0 of device 0x03
raw 0x0A 0x10 0x03
read 1-21 of device 0x03
write 0-22 of device 0x03
read 0-22 of device 0x03
-000000 01 00 00 01 07 0d 00 ea  >........<
-000008 01 06 00 10 20 b5 c5 44  >.... ..D<
-000010 65 6c 74 61 ca 44 50 53  >elta.DPS<
-000018 2d 31 36 30 30 41 42 c6  >-1600AB.<
-000020 42 53 30 34 31 39 cd 50  >BS0419.P<
-000028 4e 2d 44 50 53 2d 31 36  >N-DPS-16<
-000030 30 30 41 42 c0 c0 c1 dd  >00AB....<
-000038 01 06 00 c5 44 65 6c 74  >....Delt<
-000040 61 ca 44 50 53 2d 31 36  >a.DPS-16<
-000048 30 30 41 42 cc 4d 2d 44  >00AB.M-D<
-000050 50 53 2d 31 36 30 30 41  >PS-1600A<
-000058 42 c2 41 31 c6 50 53 30  >B.A1.PS0<
-000060 34 31 39 c0 c0 c0 c1 12  >419.....<
-000068 00 02 18 de 08 20 03 10  >..... ..<
-000070 27 00 00 00 00 5a 0f e8  >'....Z..<
-000078 03 2c 01 20 03 01 02 03  >.,. ....<
-000080 04 05 06 07 08 01 02 0d  >........<
-000088 cb 25 01 b0 04 f4 01 f4  >.%......<
-000090 01 32 00 00 00 64 00 02  >.2...d..<
-000098 82 0d d9 96 01 b0 04 4c  >.......L<
-0000a0 04 14 05 32 00 00 00 d0  >...2....<
-0000a8 07 00 00 00 00 00 00 00  >........<
-0000b0 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 08 0e 00 e6  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 06 00 10 20 b5 c5 44  >.... ..D<
+000018 65 6c 74 61 ca 44 50 53  >elta.DPS<
+000020 2d 31 36 30 30 41 42 c6  >-1600AB.<
+000028 42 53 30 34 31 39 cd 50  >BS0419.P<
+000030 4e 2d 44 50 53 2d 31 36  >N-DPS-16<
+000038 30 30 41 42 c0 c0 c1 dd  >00AB....<
+000040 01 06 00 c5 44 65 6c 74  >....Delt<
+000048 61 ca 44 50 53 2d 31 36  >a.DPS-16<
+000050 30 30 41 42 cc 4d 2d 44  >00AB.M-D<
+000058 50 53 2d 31 36 30 30 41  >PS-1600A<
+000060 42 c2 41 31 c6 50 53 2d  >B.A1.PS-<
+000068 4e 45 57 c0 c0 c0 c1 c9  >NEW.....<
+000070 00 02 18 de 08 20 03 10  >..... ..<
+000078 27 00 00 00 00 5a 0f e8  >'....Z..<
+000080 03 2c 01 20 03 01 02 03  >.,. ....<
+000088 04 05 06 07 08 01 02 0d  >........<
+000090 cb 25 01 b0 04 f4 01 f4  >.%......<
+000098 01 32 00 00 00 64 00 02  >.2...d..<
+0000a0 82 0d d9 96 01 b0 04 4c  >.......L<
+0000a8 04 14 05 32 00 00 00 d0  >...2....<
+0000b0 07 00 00 00 00 00 00 00  >........<
=== --fru-id 3 ONLY_BSN
device: psu-board 512
run: as_device 3 korrel --fru-id 3 ONLY_BSN | sed -n '/Modify/,/Execute/p;/^device 0/p'
Modify FRU ~
Got ONLY_BSN
Write fru.txt ~ Done.
Parser fru.txt ~ Done.
Write fru.sh ~
Change MFG date to Fri Mar  1 09:00:00 2019,and keep BSN
 Done.
Execute fru.sh ~ Done.
device 0 unchanged
files: fru.sh 755 f
read 0-0 of device 0x03
raw 0x0A 0x10 0x03
read 1-21 of device 0x03
write 0-15 of device 0x03
read 0-15 of device 0x03
-000000 01 00 00 01 07 0d 00 ea  >........<
-000008 01 06 00 10 20 b5 c5 44  >.... ..D<
-000010 65 6c 74 61 ca 44 50 53  >elta.DPS<
-000018 2d 31 36 30 30 41 42 c6  >-1600AB.<
-000020 42 53 30 34 31 39 cd 50  >BS0419.P<
-000028 4e 2d 44 50 53 2d 31 36  >N-DPS-16<
-000030 30 30 41 42 c0 c0 c1 dd  >00AB....<
-000038 01 06 00 c5 44 65 6c 74  >....Delt<
-000040 61 ca 44 50 53 2d 31 36  >a.DPS-16<
-000048 30 30 41 42 cc 4d 2d 44  >00AB.M-D<
-000050 50 53 2d 31 36 30 30 41  >PS-1600A<
-000058 42 c2 41 31 c6 50 53 30  >B.A1.PS0<
-000060 34 31 39 c0 c0 c0 c1 12  >419.....<
-000068 00 02 18 de 08 20 03 10  >..... ..<
-000070 27 00 00 00 00 5a 0f e8  >'....Z..<
-000078 03 2c 01 20 03 01 02 03  >.,. ....<
+000000 01 01 00 02 05 07 00 f0  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 00 bc e3 b9 c0 c0  >........<
+000018 c6 42 53 30 34 31 39 c0  >.BS0419.<
+000020 c0 c0 c1 00 00 00 00 fa  >........<
+000028 01 02 00 c0 c0 c0 c0 c0  >........<
+000030 c0 c0 c0 c1 00 00 00 3c  >.......<<
+000038 00 02 18 de 08 20 03 10  >..... ..<
+000040 27 00 00 00 00 5a 0f e8  >'....Z..<
+000048 03 2c 01 20 03 01 02 03  >.,. ....<
+000050 04 05 06 07 08 01 02 0d  >........<
+000058 cb 25 01 b0 04 f4 01 f4  >.%......<
+000060 01 32 00 00 00 64 00 02  >.2...d..<
+000068 82 0d d9 96 01 b0 04 4c  >.......L<
+000070 04 14 05 32 00 00 00 d0  >...2....<
+000078 07 00 00 00 00 00 00 00  >........<
=== --fru-id 3 alone takes the usage path: device 3's record rewritten with the values read
device: psu-board 512
run: as_device 3 korrel --fru-id 3 | sed -n '/Got/,/ ---/p;/Command/p;/^device 0/p'
Got (null)


 ---without or wrong user's command, pls input data as below--- 
Command is completely!
device 0 unchanged
files: fru.sh 755 f
read 0-0 of device 0x03
raw 0x0A 0x10 0x03
read 1-21 of device 0x03
write 0-22 of device 0x03
read 0-22 of device 0x03
-000000 01 00 00 01 07 0d 00 ea  >........<
-000008 01 06 00 10 20 b5 c5 44  >.... ..D<
-000010 65 6c 74 61 ca 44 50 53  >elta.DPS<
-000018 2d 31 36 30 30 41 42 c6  >-1600AB.<
-000020 42 53 30 34 31 39 cd 50  >BS0419.P<
-000028 4e 2d 44 50 53 2d 31 36  >N-DPS-16<
-000030 30 30 41 42 c0 c0 c1 dd  >00AB....<
-000038 01 06 00 c5 44 65 6c 74  >....Delt<
-000040 61 ca 44 50 53 2d 31 36  >a.DPS-16<
-000048 30 30 41 42 cc 4d 2d 44  >00AB.M-D<
-000050 50 53 2d 31 36 30 30 41  >PS-1600A<
-000058 42 c2 41 31 c6 50 53 30  >B.A1.PS0<
-000060 34 31 39 c0 c0 c0 c1 12  >419.....<
-000068 00 02 18 de 08 20 03 10  >..... ..<
-000070 27 00 00 00 00 5a 0f e8  >'....Z..<
-000078 03 2c 01 20 03 01 02 03  >.,. ....<
-000080 04 05 06 07 08 01 02 0d  >........<
-000088 cb 25 01 b0 04 f4 01 f4  >.%......<
-000090 01 32 00 00 00 64 00 02  >.2...d..<
-000098 82 0d d9 96 01 b0 04 4c  >.......L<
-0000a0 04 14 05 32 00 00 00 d0  >...2....<
-0000a8 07 00 00 00 00 00 00 00  >........<
-0000b0 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 08 0e 00 e6  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 06 00 10 20 b5 c5 44  >.... ..D<
+000018 65 6c 74 61 ca 44 50 53  >elta.DPS<
+000020 2d 31 36 30 30 41 42 c6  >-1600AB.<
+000028 42 53 30 34 31 39 cd 50  >BS0419.P<
+000030 4e 2d 44 50 53 2d 31 36  >N-DPS-16<
+000038 30 30 41 42 c0 c0 c1 dd  >00AB....<
+000040 01 06 00 c5 44 65 6c 74  >....Delt<
+000048 61 ca 44 50 53 2d 31 36  >a.DPS-16<
+000050 30 30 41 42 cc 4d 2d 44  >00AB.M-D<
+000058 50 53 2d 31 36 30 30 41  >PS-1600A<
+000060 42 c2 41 31 c6 50 53 30  >B.A1.PS0<
+000068 34 31 39 c0 c0 c0 c1 12  >419.....<
+000070 00 02 18 de 08 20 03 10  >..... ..<
+000078 27 00 00 00 00 5a 0f e8  >'....Z..<
+000080 03 2c 01 20 03 01 02 03  >.,. ....<
+000088 04 05 06 07 08 01 02 0d  >........<
+000090 cb 25 01 b0 04 f4 01 f4  >.%......<
+000098 01 32 00 00 00 64 00 02  >.2...d..<
+0000a0 82 0d d9 96 01 b0 04 4c  >.......L<
+0000a8 04 14 05 32 00 00 00 d0  >...2....<
+0000b0 07 00 00 00 00 00 00 00  >........<
=== --fru-id 0 is the run without the option, and 254 the highest ID (no such device here)
device: nine-block
run: korrel --fru-id 0 BSN X | tail -n 2; korrel --fru-id 254 BSN X 2>/dev/null | tail -n 2
------------------------
[exit 0]
Read FRU from BMC ~Error!!!FRU Device 254 not found.
[exit 1]
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-8
read 0-0 of device 0xFE
read 0-0 of device 0xFE
read 0-0 of device 0xFE
read 0-0 of device 0xFE
read 0-0 of device 0xFE
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== A write device 3 keeps refusing: korrel's own writes, the restore and its read-back go to device 3 too
device: psu-board 512
run: FRUSIM_FAIL_WRITE_BLOCK=5 as_device 3 korrel --fru-id 3 BSN PS0420 | sed -n '/Execute/,$p'
Execute fru.sh ~Error!!!Write FRU Failed.
The old record was written back and reads as before: the BMC holds it unchanged.
[exit 1]
device 0 unchanged
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
read 0-0 of device 0x03
raw 0x0A 0x10 0x03
read 1-21 of device 0x03
write 0-5 of device 0x03
write 5-5 of device 0x03
write 5-5 of device 0x03
write 5-5 of device 0x03
write 5-5 of device 0x03
write 5-5 of device 0x03
write 0-5 of device 0x03
write 5-5 of device 0x03
write 5-5 of device 0x03
write 5-5 of device 0x03
write 5-5 of device 0x03
read 0-5 of device 0x03
device unchanged
=== A read of device 9 that fails past its first block is a failed read, not an absent device
device: nine-block
run: FRUSIM_FAIL_READ=1- as_device 9 korrel --fru-id 9 BSN X 2>/dev/null | tail -n 3
------------------------
Read FRU from BMC ~Error!!!Read FRU Failed.[exit 1]
device 0 unchanged
files:
read 0-1 of device 0x09
read 1-1 of device 0x09
read 1-1 of device 0x09
read 1-1 of device 0x09
read 1-1 of device 0x09
device unchanged
=== An argument that only begins like the option is not the option: read as without it
device: nine-block
run: korrel --fru-id3 BSN | sed -n '/Got/p;/Error/p;/exit/p'
Got --fru-id3
Error!!!unknown command.
[exit 1]
files:
read 0-8
read 1-1
device unchanged
=== An absent device: its first read fails every try; refused, naming the ID, nothing written, no file left
device: nine-block
run: korrel --fru-id 7 BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!FRU Device 7 not found.
[exit 1]
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x11 rsp=0xcc): Invalid data field in request
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x11 rsp=0xcc): Invalid data field in request
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x11 rsp=0xcc): Invalid data field in request
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x11 rsp=0xcc): Invalid data field in request
2> Unable to send RAW command (channel=0x0 netfn=0xa lun=0x0 cmd=0x11 rsp=0xcc): Invalid data field in request
files:
read 0-0 of device 0x07
read 0-0 of device 0x07
read 0-0 of device 0x07
read 0-0 of device 0x07
read 0-0 of device 0x07
device unchanged
=== Not a FRU device ID: refused after the banner, before any request; the rest of the command line is not read
device: nine-block
run: for id in 255 256 -1 abc 1x '' 03 ' 3' +3 0x3 2540 4294967299; do korrel --fru-id "$id" BSN X | tail -n 2 | tr '\n' ' '; echo "($id)"; done; korrel --fru-id=1x; korrel --fru-id= ONLY_BSN | tail -n 2; korrel --fru-id
Error!!!FRU Device ID must be a decimal from 0 to 254. [exit 1] (255)
Error!!!FRU Device ID must be a decimal from 0 to 254. [exit 1] (256)
Error!!!FRU Device ID must be a decimal from 0 to 254. [exit 1] (-1)
Error!!!FRU Device ID must be a decimal from 0 to 254. [exit 1] (abc)
Error!!!FRU Device ID must be a decimal from 0 to 254. [exit 1] (1x)
Error!!!FRU Device ID must be a decimal from 0 to 254. [exit 1] ()
Error!!!FRU Device ID must be a decimal from 0 to 254. [exit 1] (03)
Error!!!FRU Device ID must be a decimal from 0 to 254. [exit 1] ( 3)
Error!!!FRU Device ID must be a decimal from 0 to 254. [exit 1] (+3)
Error!!!FRU Device ID must be a decimal from 0 to 254. [exit 1] (0x3)
Error!!!FRU Device ID must be a decimal from 0 to 254. [exit 1] (2540)
Error!!!FRU Device ID must be a decimal from 0 to 254. [exit 1] (4294967299)
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Error!!!FRU Device ID must be a decimal from 0 to 254.
[exit 1]
Error!!!FRU Device ID must be a decimal from 0 to 254.
[exit 1]
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Error!!!FRU Device ID must be a decimal from 0 to 254.
[exit 1]
files:
device unchanged
