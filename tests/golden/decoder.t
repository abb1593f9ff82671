# The area decoder's byte examples, each in a record of chassis 1, board 4 and
# product 10 with zero blocks between the areas (tests/records/spaced.hex),
# rewritten in korrel's layout by a run that edits nothing it decodes.  An
# area is what its header offset and length byte say; "sum:" makes a patched
# area's last byte its checksum again.
=== Empty chassis fields; C1 in the custom field's place ends the area, and none is added
device: spaced
run: korrel CPI P | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-11
write 0-7
read 0-7
-000000 01 00 01 04 0a 00 00 f0  >........<
-000008 01 01 17 c0 c0 c1 00 a6  >........<
-000010 00 00 00 00 00 00 00 00  >........<
-000018 00 00 00 00 00 00 00 00  >........<
-000020 01 03 00 bc e3 b9 c3 41  >.......A<
-000028 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000030 c0 c0 c0 c1 00 00 00 94  >........<
-000038 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 03 06 00 00 f3  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 01 17 c0 c0 c1 00 a6  >........<
+000018 01 03 00 bc e3 b9 c3 41  >.......A<
+000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
+000028 c0 c0 c0 c1 00 00 00 94  >........<
+000030 01 02 00 c0 c0 c0 c0 c0  >........<
+000038 c0 c0 c2 50 00 c1 00 ea  >...P....<
=== Upper-case answers give the same date and values
device: spaced
run: FRUSIM_UPPERCASE=1 korrel CPI P | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-11
write 0-7
read 0-7
-000000 01 00 01 04 0a 00 00 f0  >........<
-000008 01 01 17 c0 c0 c1 00 a6  >........<
-000010 00 00 00 00 00 00 00 00  >........<
-000018 00 00 00 00 00 00 00 00  >........<
-000020 01 03 00 bc e3 b9 c3 41  >.......A<
-000028 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000030 c0 c0 c0 c1 00 00 00 94  >........<
-000038 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 03 06 00 00 f3  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 01 17 c0 c0 c1 00 a6  >........<
+000018 01 03 00 bc e3 b9 c3 41  >.......A<
+000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
+000028 c0 c0 c0 c1 00 00 00 94  >........<
+000030 01 02 00 c0 c0 c0 c0 c0  >........<
+000038 c0 c0 c2 50 00 c1 00 ea  >...P....<
=== A CPN of length 10 runs on into the next block; CSN's type/length byte follows it
device: spaced
patch: 0x08 01 03 17 ca 41 42 43 44
patch: 0x10 45 46 47 48 49 4a c0 c1
sum: 0x08 24
run: korrel CPI P | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-11
write 0-9
read 0-9
-000000 01 00 01 04 0a 00 00 f0  >........<
-000008 01 03 17 ca 41 42 43 44  >....ABCD<
-000010 45 46 47 48 49 4a c0 c1  >EFGHIJ..<
-000018 00 00 00 00 00 00 00 e3  >........<
-000020 01 03 00 bc e3 b9 c3 41  >.......A<
-000028 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000030 c0 c0 c0 c1 00 00 00 94  >........<
-000038 00 00 00 00 00 00 00 00  >........<
-000040 00 00 00 00 00 00 00 00  >........<
-000048 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 05 08 00 00 ef  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 17 ca 41 42 43 44  >....ABCD<
+000018 45 46 47 48 49 4a c0 c1  >EFGHIJ..<
+000020 00 00 00 00 00 00 00 e3  >........<
+000028 01 03 00 bc e3 b9 c3 41  >.......A<
+000030 42 43 c0 c4 53 4e 30 31  >BC..SN01<
+000038 c0 c0 c0 c1 00 00 00 94  >........<
+000040 01 02 00 c0 c0 c0 c0 c0  >........<
+000048 c0 c0 c2 50 00 c1 00 ea  >...P....<
=== A field that ends on data byte 7 puts the next type/length byte at data byte 0
device: spaced
patch: 0x08 01 02 17 c3 41 42 43 c0
patch: 0x10 c1 00 00 00 00 00 00 00
sum: 0x08 16
run: korrel CPI P | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-11
write 0-8
read 0-8
-000000 01 00 01 04 0a 00 00 f0  >........<
-000008 01 02 17 c3 41 42 43 c0  >....ABC.<
-000010 c1 00 00 00 00 00 00 dc  >........<
-000018 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 04 07 00 00 f1  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 02 17 c3 41 42 43 c0  >....ABC.<
+000018 c1 00 00 00 00 00 00 dc  >........<
-000038 00 00 00 00 00 00 00 00  >........<
-000040 00 00 00 00 00 00 00 00  >........<
+000038 01 02 00 c0 c0 c0 c0 c0  >........<
+000040 c0 c0 c2 50 00 c1 00 ea  >...P....<
=== A custom field of three bytes, then the end marker 00 with only zeros behind it
device: spaced
patch: 0x08 01 02 17 c0 c0 c3 58 59
patch: 0x10 5a 00 00 00 00 00 00 00
sum: 0x08 16
run: korrel CPI P | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-11
write 0-8
read 0-8
-000000 01 00 01 04 0a 00 00 f0  >........<
-000008 01 02 17 c0 c0 c3 58 59  >......XY<
-000010 5a 00 00 00 00 00 00 98  >Z.......<
-000018 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 04 07 00 00 f1  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 02 17 c0 c0 c3 58 59  >......XY<
+000018 5a c1 00 00 00 00 00 d7  >Z.......<
-000038 00 00 00 00 00 00 00 00  >........<
-000040 00 00 00 00 00 00 00 00  >........<
+000038 01 02 00 c0 c0 c0 c0 c0  >........<
+000040 c0 c0 c2 50 00 c1 00 ea  >...P....<
=== A second custom field is kept behind the first
device: spaced
patch: 0x08 01 02 17 c0 c0 c3 58 59
patch: 0x10 5a c2 41 42 c1 00 00 00
sum: 0x08 16
run: korrel CPI P | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-11
write 0-8
read 0-8
-000000 01 00 01 04 0a 00 00 f0  >........<
-000008 01 02 17 c0 c0 c3 58 59  >......XY<
-000010 5a c2 41 42 c1 00 00 92  >Z.AB....<
-000018 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 04 07 00 00 f1  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 02 17 c0 c0 c3 58 59  >......XY<
+000018 5a c2 41 42 c1 00 00 92  >Z.AB....<
-000038 00 00 00 00 00 00 00 00  >........<
-000040 00 00 00 00 00 00 00 00  >........<
+000038 01 02 00 c0 c0 c0 c0 c0  >........<
+000040 c0 c0 c2 50 00 c1 00 ea  >...P....<
=== Stale bytes between two areas belong to neither
device: spaced
patch: 0x10 55
run: korrel CPI P | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-11
write 0-7
read 0-7
-000000 01 00 01 04 0a 00 00 f0  >........<
-000008 01 01 17 c0 c0 c1 00 a6  >........<
-000010 55 00 00 00 00 00 00 00  >U.......<
-000018 00 00 00 00 00 00 00 00  >........<
-000020 01 03 00 bc e3 b9 c3 41  >.......A<
-000028 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000030 c0 c0 c0 c1 00 00 00 94  >........<
-000038 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 03 06 00 00 f3  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 01 17 c0 c0 c1 00 a6  >........<
+000018 01 03 00 bc e3 b9 c3 41  >.......A<
+000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
+000028 c0 c0 c0 c1 00 00 00 94  >........<
+000030 01 02 00 c0 c0 c0 c0 c0  >........<
+000038 c0 c0 c2 50 00 c1 00 ea  >...P....<
=== The type/length bytes 05 and C5 both give five bytes: binary and text
device: spaced
patch: 0x08 01 03 17 05 41 42 43 44
patch: 0x10 45 c5 41 42 43 44 45 c1
patch: 0x18 00 00 00 00 00 00 00 00
sum: 0x08 24
run: korrel CPI P | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-11
write 0-9
read 0-9
-000000 01 00 01 04 0a 00 00 f0  >........<
-000008 01 03 17 05 41 42 43 44  >....ABCD<
-000010 45 c5 41 42 43 44 45 c1  >E.ABCDE.<
-000018 00 00 00 00 00 00 00 bc  >........<
-000020 01 03 00 bc e3 b9 c3 41  >.......A<
-000028 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000030 c0 c0 c0 c1 00 00 00 94  >........<
-000038 00 00 00 00 00 00 00 00  >........<
-000040 00 00 00 00 00 00 00 00  >........<
-000048 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 05 08 00 00 ef  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 17 05 41 42 43 44  >....ABCD<
+000018 45 c5 41 42 43 44 45 c1  >E.ABCDE.<
+000020 00 00 00 00 00 00 00 bc  >........<
+000028 01 03 00 bc e3 b9 c3 41  >.......A<
+000030 42 43 c0 c4 53 4e 30 31  >BC..SN01<
+000038 c0 c0 c0 c1 00 00 00 94  >........<
+000040 01 02 00 c0 c0 c0 c0 c0  >........<
+000048 c0 c0 c2 50 00 c1 00 ea  >...P....<
=== A C1 in a fixed field's place is a field of one byte, not the end marker, and is written back so
device: one-byte 512
run: korrel CPI P | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-8
raw 0x0A 0x10 0x00
write 0-9
read 0-9
-000000 01 00 01 03 06 00 00 f5  >........<
-000008 01 02 17 c1 41 c1 42 c0  >....A.B.<
-000010 c1 00 00 00 00 00 00 60  >.......`<
-000018 01 03 00 bc e3 b9 c1 43  >.......C<
-000020 c1 44 c1 45 c1 46 c1 47  >.D.E.F.G<
-000028 c0 c1 00 00 00 00 00 05  >........<
-000030 01 03 00 c1 48 c1 49 c1  >....H.I.<
-000038 4a c1 4b c1 4c c1 4d c1  >J.K.L.M.<
-000040 4e c0 c1 00 00 00 00 27  >N......'<
-000048 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 04 07 00 00 f1  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 02 17 c1 41 c1 42 c0  >....A.B.<
+000018 c1 00 00 00 00 00 00 60  >.......`<
+000020 01 03 00 bc e3 b9 c1 43  >.......C<
+000028 c1 44 c1 45 c1 46 c1 47  >.D.E.F.G<
+000030 c0 c1 00 00 00 00 00 05  >........<
+000038 01 03 00 c1 48 c1 49 c1  >....H.I.<
+000040 4a c1 4b c1 4c c1 4d c1  >J.K.L.M.<
+000048 4e c2 50 00 c1 00 00 d5  >N.P.....<
=== No chassis area, board at block 1: nothing falls in the chassis range
device: board-product 512
run: korrel CPI P | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-5
raw 0x0A 0x10 0x00
write 0-6
read 0-6
-000000 01 00 00 01 04 00 00 fa  >........<
-000008 01 03 00 bc e3 b9 c5 4d  >.......M<
-000010 61 6b 65 72 c0 c4 53 4e  >aker..SN<
-000018 30 31 c0 c0 c0 c1 00 68  >01.....h<
-000020 01 02 00 c0 c0 c0 c0 c0  >........<
-000028 c0 c0 c0 c1 00 00 00 3c  >.......<<
-000030 00 00 00 00 00 00 00 00  >........<
+000000 01 01 00 02 05 00 00 f7  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 00 bc e3 b9 c5 4d  >.......M<
+000018 61 6b 65 72 c0 c4 53 4e  >aker..SN<
+000020 30 31 c0 c0 c0 c1 00 68  >01.....h<
+000028 01 02 00 c0 c0 c0 c0 c0  >........<
+000030 c0 c0 c2 50 00 c1 00 ea  >...P....<
=== No chassis area and blocks before the board area: they lie in no area and are passed over
device: spaced
patch: 0x00 01 00 00 04 0a
sum: 0x00 8
run: korrel CPI P | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-11
write 0-6
read 0-6
-000000 01 00 00 04 0a 00 00 f1  >........<
-000008 01 01 17 c0 c0 c1 00 a6  >........<
-000010 00 00 00 00 00 00 00 00  >........<
-000018 00 00 00 00 00 00 00 00  >........<
-000020 01 03 00 bc e3 b9 c3 41  >.......A<
-000028 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000030 c0 c0 c0 c1 00 00 00 94  >........<
+000000 01 01 00 02 05 00 00 f7  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 03 00 bc e3 b9 c3 41  >.......A<
+000018 42 43 c0 c4 53 4e 30 31  >BC..SN01<
+000020 c0 c0 c0 c1 00 00 00 94  >........<
+000028 01 02 00 c0 c0 c0 c0 c0  >........<
+000030 c0 c0 c2 50 00 c1 00 ea  >...P....<
=== A board area whose fields reach its checksum byte without the end marker
device: spaced
patch: 0x33 c3 41 42 43
sum: 0x20 24
run: korrel CPI P
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!Board Info no EoF.
[exit 1]
files:
read 0-11
device unchanged
=== The product area ends in block 63: 64 reads
device: spaced 512
patch: 0x04 3e
patch: 0x50 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00
patch: 0x1f0 01 02 00 c0 c0 c0 c0 c0 c0 c0 c0 c1 00 00 00 3c
sum: 0x00 8
run: korrel CPI P | sed -n 5,6p
Read FRU from BMC ~ Done.
Modify FRU ~
files: fru.sh 755 f
read 0-63
write 0-7
read 0-7
-000000 01 00 01 04 3e 00 00 bc  >....>...<
-000008 01 01 17 c0 c0 c1 00 a6  >........<
-000010 00 00 00 00 00 00 00 00  >........<
-000018 00 00 00 00 00 00 00 00  >........<
-000020 01 03 00 bc e3 b9 c3 41  >.......A<
-000028 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000030 c0 c0 c0 c1 00 00 00 94  >........<
-000038 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 03 06 00 00 f3  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 01 17 c0 c0 c1 00 a6  >........<
+000018 01 03 00 bc e3 b9 c3 41  >.......A<
+000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
+000028 c0 c0 c0 c1 00 00 00 94  >........<
+000030 01 02 00 c0 c0 c0 c0 c0  >........<
+000038 c0 c0 c2 50 00 c1 00 ea  >...P....<
=== The product area ends in block 64, past the 64 blocks korrel once read
device: spaced 520
patch: 0x04 3f
patch: 0x50 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00
patch: 0x1f8 01 02 00 c0 c0 c0 c0 c0 c0 c0 c0 c1 00 00 00 3c
sum: 0x00 8
run: korrel CPI P | sed -n '5p;$p'
Read FRU from BMC ~ Done.
[exit 0]
files: fru.sh 755 f
read 0-64
write 0-7
read 0-7
-000000 01 00 01 04 3f 00 00 bb  >....?...<
-000008 01 01 17 c0 c0 c1 00 a6  >........<
-000010 00 00 00 00 00 00 00 00  >........<
-000018 00 00 00 00 00 00 00 00  >........<
-000020 01 03 00 bc e3 b9 c3 41  >.......A<
-000028 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000030 c0 c0 c0 c1 00 00 00 94  >........<
-000038 00 00 00 00 00 00 00 00  >........<
+000000 01 01 02 03 06 00 00 f3  >........<
+000008 01 00 01 04 00 00 03 f7  >........<
+000010 01 01 17 c0 c0 c1 00 a6  >........<
+000018 01 03 00 bc e3 b9 c3 41  >.......A<
+000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
+000028 c0 c0 c0 c1 00 00 00 94  >........<
+000030 01 02 00 c0 c0 c0 c0 c0  >........<
+000038 c0 c0 c2 50 00 c1 00 ea  >...P....<
