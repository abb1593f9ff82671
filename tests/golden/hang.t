# A read that hangs for good: each of its five tries is killed at its
# deadline, here the shortest one KORREL_WAIT_LIMIT leaves (1 s), so this
# case takes five seconds; it has a table of its own to run beside the others.
=== A read that never answers, every time: the run fails, no request is left running, and the next run goes ahead at once
device: nine-block
run: export KORREL_WAIT_LIMIT=0.001; FRUSIM_HANG_READ=3- korrel BSN X; for p in /proc/[0-9]*; do grep -qsz "^FRUSIM_IMAGE=$FRUSIM_IMAGE\$" $p/environ && grep -qsz '^ipmitool$' $p/cmdline && echo "left running: $(tr '\0' ' ' <$p/cmdline)"; done; s=$SECONDS; FRUSIM_HANG_READ= korrel BSN X | tail -n 1; [ $((SECONDS - s)) -lt 30 ] && echo "at once"
korrel FRU editor - Copyright (c) 2026 the korrel developers
------------------------
Version 0.2 (2017/OCT/23)
------------------------
Read FRU from BMC ~Error!!!Read FRU Failed.[exit 1]
[exit 0]
at once
files: fru.sh 755 f
read 0-3
read 3-3
read 3-3
read 3-3
read 3-3
read 0-8
read 1-1
write 0-8
read 0-8
-000020 42 43 c0 c4 53 4e 30 31  >BC..SN01<
-000028 c0 c0 c0 c1 00 00 00 9b  >........<
+000020 42 43 c0 c2 58 00 c0 c0  >BC..X...<
+000028 c0 c1 00 00 00 00 00 47  >.......G<
