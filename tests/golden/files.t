# The working directory and korrel's scratch files fru.txt, fru.sh and
# out.txt: korrel runs as root, so nothing planted or swapped under those
# names may be written, read or run in their place.
=== A directory that others may write to is refused before anything is read
device: nine-block
run: chmod 775 .; korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Error!!!Working Directory writable by others.
[exit 1]
files:
device unchanged
=== A sticky directory that others may write to is safe
device: nine-block
run: chmod 1777 .; korrel BSN X | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== A directory of another user is refused before anything is read, whatever its mode
device: nine-block
run: chown nobody .; for mode in 700 755 1777; do chmod $mode .; korrel BSN X | tail -n 2; done
Error!!!Working Directory owned by another user.
[exit 1]
Error!!!Working Directory owned by another user.
[exit 1]
Error!!!Working Directory owned by another user.
[exit 1]
files:
device unchanged
=== A directory of root's own that no one else may enter runs
device: nine-block
run: chmod 700 .; korrel BSN X | tail -n 1
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== fru.sh cannot be swapped at the system() call that runs it: in a directory of the swapper's the run never starts
device: nine-block
run: chown nobody .; printf '#!/bin/sh\ntouch ran\n' >other; chown nobody other; chmod 755 other; stage 'system 1' 'setpriv --reuid=nobody --regid=nogroup --clear-groups mv -f other fru.sh' BSN X; [ -e ran ] && echo ran || echo 'not run'
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Error!!!Working Directory owned by another user.
[exit 1]
not run
files: fru.sh 755 f
device unchanged
=== Under umask 000 the scratch files are private from their creation on, and fru.sh ends 755
device: nine-block
run: umask 000; ipmitool_with 'stat -c "%n %a" fru.txt fru.sh out.txt >>../modes 2>/dev/null'; stage korrel::runFruScript 'stat -c "%n %a" fru.txt fru.sh out.txt >>../modes' BSN X | tail -n 1; sort ../modes | uniq -c
[exit 0]
      1 fru.sh 700
     18 fru.sh 755
     19 fru.txt 600
     18 out.txt 600
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
=== Links, a FIFO and a hard link left under the three names are removed, their targets kept
device: nine-block
run: echo kept >../target; ln -s ../target fru.txt; ln ../target fru.sh; ln -s ../target out.txt; korrel BSN X | tail -n 1; cat ../target; mkfifo fru.txt; korrel BSN Y | tail -n 1
[exit 0]
kept
[exit 0]
files: fru.sh 755 f
read 0-8
read 1-1
write 0-8
read 0-8
read 0-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 59 00 c0 c0  >BC..Y...<
+000028 c0 c1 00 00 00 00 00 46  >.......F<
=== fru.txt is a directory
device: nine-block
run: mkdir fru.txt; korrel BSN X
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~ Done.
Modify FRU ~
Got BSN


 ---Run user's command--- 

 Done.
Write fru.txt ~Input File fru.txt Error!!!
[exit 1]
files: fru.txt 755 d
read 0-8
read 1-1
device unchanged
=== fru.sh is a directory
device: nine-block
run: mkdir fru.sh; korrel BSN X | sed -n '/Parser/,$p'
Parser fru.txt ~ Done.
Write fru.sh ~Output File fru.sh Error!!!
[exit 1]
files: fru.sh 755 d fru.txt 600 f
read 0-8
read 1-1
device unchanged
=== out.txt is a directory
device: nine-block
run: mkdir out.txt; korrel BSN X | sed -n '/Write fru.sh/,$p'
Write fru.sh ~ Done.
Execute fru.sh ~Output File out.txt Error!!!
[exit 1]
files: fru.sh 700 f fru.txt 600 f out.txt 755 d
read 0-8
read 1-1
device unchanged
=== fru.txt swapped for a link to crafted values before it is read back
device: nine-block
run: stage korrel::parseFruText 'sed "s/SN01/PWN/; s/^Chassis Part Number:/&EVIL/" fru.txt >../crafted; ln -sf ../crafted fru.txt' BSN X | sed -n '/Parser/,$p'
Parser fru.txt ~Input File fru.txt Error!!!
[exit 1]
files: fru.txt 777 l
read 0-8
read 1-1
device unchanged
=== fru.txt replaced by another file under its name before it is read back
device: nine-block
run: stage korrel::parseFruText 'sed s/SN01/PWN/ fru.txt >new; mv new fru.txt' BSN SN01 | sed -n '/Parser/,$p'
Parser fru.txt ~Input File fru.txt Error!!!
[exit 1]
files: fru.txt 644 f
read 0-8
read 1-1
device unchanged
=== fru.sh swapped for a link to another script before it is made executable
device: nine-block
run: printf '#!/bin/sh\ntouch ../ran\n' >../other; stage korrel::runFruScript 'ln -sf ../other fru.sh' BSN X | sed -n '/Write fru.sh/,$p'; [ -e ../ran ] && echo ran || echo 'not run'
Write fru.sh ~ Done.
Execute fru.sh ~Output File fru.sh Error!!!
[exit 1]
not run
files: fru.sh 777 l fru.txt 600 f out.txt 600 f
read 0-8
read 1-1
device unchanged
=== out.txt swapped for a link after korrel made it: korrel writes the script's output through its own descriptor, the link gets nothing, and its answers prove nothing
device: nine-block
run: echo kept >../target; stage korrel::runScript 'ln -sf ../target out.txt' BSN X | sed -n '/Write fru.sh/,$p'; cat ../target
Write fru.sh ~ Done.
Execute fru.sh ~ Done.
Delete files ~------------------------
Command is completely!
------------------------
[exit 0]
kept
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
=== out.txt replaced during the script: its answers prove nothing, and korrel sends every block itself
device: nine-block
run: ipmitool_with 'case "$*" in *" 0x12 "*) [ -e ../swapped ] || { touch ../swapped; rm out.txt; echo "==== FRU =====" >out.txt; } ;; esac'; korrel BSN X | tail -n 2
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
