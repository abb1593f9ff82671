#!/usr/bin/python3
# -*- coding: utf-8 -*-
# Copyright (c) 2026 the korrel developers
# BSD-2-Clause (see LICENSE)

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: fru_field
short_description: Set one field of the local BMC's FRU record with korrel
version_added: 1.0.0
description:
  - Sets one field of the IPMI FRU inventory record that the local BMC keeps
    as FRU device 0 (or as the device I(fru_id) names) by running korrel(8) on
    the host, or with I(field=ONLY_BSN) empties every field but the board
    serial number.
  - Reads the fields first with C(ipmitool -v fru print 0) (C(0) being
    I(fru_id), as in every ipmitool command below), which only reads.
    When the field already holds the value (for C(ONLY_BSN), when every other
    field is empty and the manufacturing date is korrel's) nothing is saved
    or written and the task is not changed.
  - Unless I(backup=false), saves the whole device with C(ipmitool fru read 0)
    in a new private directory before korrel runs and returns the copy's path
    as I(backup_file).
  - After a write the BMC keeps refusing, korrel itself writes the old
    record back. When korrel fails and the device still does not match the
    saved copy, the module writes the copy back with C(ipmitool fru write 0)
    and reads the device again to compare. The task fails either way; its
    message says whether the record was restored or is part old, part new.
    Without a copy the message repeats what korrel says of the record.
  - korrel runs in a new private directory, the value passed to it as one
    argument, never through a shell. korrel and ipmitool are the first found
    on C(PATH).
options:
  field:
    description:
      - The field to set, by its korrel key, or C(ONLY_BSN) to empty every
        field but the board serial number (custom fields too) and store the
        manufacturing date C(Fri Mar 1 01:00:00 2019 UTC).
      - "Chassis area: C(CPN) Chassis Part Number, C(CSN) Chassis Serial
        Number, C(CCI) Custom Chassis Info."
      - "Board area: C(BM) Board Manufacturer, C(BPN) Board Product Name,
        C(BSN) Board Serial Number, C(BAN) Board Part Number, C(FFI) Board
        FRU File ID, C(CM) Custom Board (MFG) Info."
      - "Product area: C(MN) Manufacturer Name, C(PN) Product Name, C(PPN)
        Product Part/Model Number, C(PV) Product Version, C(PSN) Product
        Serial Number, C(AT) Asset Tag, C(FII) Product FRU File ID, C(CPI)
        Custom Product Info."
      - I(key) is an alias, for playbooks written for version 1.0.0; it has
        nothing to do with the BMC key of the C(ipmi_*) modules.
    type: str
    required: true
    aliases: [key]
    choices: [CPN, CSN, CCI, BM, BPN, BSN, BAN, FFI, CM, MN, PN, PPN, PV, PSN, AT, FII, CPI, ONLY_BSN]
  value:
    description:
      - The new value, at most 63 bytes, without a newline. Ignored for C(ONLY_BSN).
    type: str
    default: ''
  allow_empty:
    description:
      - Let an empty I(value) empty the field; otherwise an empty value is refused.
    type: bool
    default: false
  backup:
    description:
      - Save the whole device on the host before korrel runs, to compare
        and write back after a failed write and to fetch.
    type: bool
    default: true
    version_added: 1.1.0
  fru_id:
    description:
      - The FRU device to edit, by its ID as C(ipmitool fru print) lists it
        (C(FRU Device Description ... (ID 3))), from 0 to 254; 255 is reserved.
      - For a device other than 0 korrel runs as C(korrel --fru-id N), and the
        saved copy is named C(fruN.bin); for 0 as without it.
    type: int
    default: 0
    version_added: 1.2.0
  tmpdir:
    description:
      - Directory in which the private directories for the saved copy and
        korrel's run are made.
      - Default is the host's temporary directory.
    type: path
attributes:
  check_mode:
    description: Can run in check_mode and return changed status prediction without modifying target.
    support: full
  diff_mode:
    description: Will return details on what has changed (or possibly needs changing in check_mode), when in diff mode.
    support: full
  platform:
    description: Target OS/families that can be operated against.
    support: N/A
    platforms: posix
requirements:
  - korrel and ipmitool on the host, and root there (korrel talks to /dev/ipmi0).
notes:
  - The saved copy stays on the host; fetch it to keep it off the machine.
  - korrel rewrites the whole record; a field other than the one set keeps
    its value, as C(ipmitool fru print 0) shows it.
seealso:
  - name: korrel(8)
    description: The manual page of korrel, C(man korrel), as korrel's packages install it.
    link: file:///usr/share/man/man8/korrel.8.gz
  - name: The korrel.fru collection
    description: Its README, as korrel's packages install it.
    link: file:///usr/share/doc/korrel/examples/collections/ansible_collections/korrel/fru/README.md
author:
  - the korrel developers
'''

EXAMPLES = r'''
- name: Set the board serial number
  korrel.fru.fru_field:
    field: BSN
    value: SN-2026-0017
  become: true

- name: Set the serial number of the power supply that is FRU device 3
  korrel.fru.fru_field:
    field: BSN
    value: PS-2026-0017
    fru_id: 3
  become: true

- name: Show what would be emptied, changing nothing
  korrel.fru.fru_field:
    field: ONLY_BSN
  check_mode: true
  diff: true
  register: plan

- name: Empty the asset tag, saving no copy
  korrel.fru.fru_field:
    field: AT
    allow_empty: true
    backup: false
'''

RETURN = r'''
label:
  description: How C(ipmitool fru print 0) names the field (for C(ONLY_BSN), the board serial number).
  returned: success
  type: str
  sample: Board Serial
before:
  description: The field before the task.
  returned: success
  type: str
  sample: BSN23M170481
after:
  description: The field after the task (or, in check mode, as it would be).
  returned: success
  type: str
  sample: SN-2026-0017
emptied:
  description: For C(ONLY_BSN), the fields that were (or would be) emptied, by label, with their old values.
  returned: success
  type: dict
  sample: {"Board Mfg": "ACME", "Product Name": "S2600"}
backup_file:
  description: The copy of the whole device saved on the host before korrel ran.
  returned: when korrel ran with I(backup)
  type: str
  sample: /tmp/korrel-saved.x1y2z3ab/fru0.bin
saved_at:
  description: When the copy was saved, UTC, for naming copies by host and time.
  returned: when korrel ran with I(backup)
  type: str
  sample: 20261207T002801Z
restored:
  description: Whether the saved copy was written back after korrel's write failed.
  returned: when korrel failed with I(backup)
  type: bool
fru_id:
  description: The FRU device edited.
  returned: when I(fru_id) is valid
  type: int
  sample: 0
msg:
  description:
    - The change, in one line, or why the task failed.
    - For a device other than 0 it ends with the device, as in C((FRU device 3)).
  returned: always
  type: str
  sample: "'BSN23M170481' -> 'SN-2026-0017'"
'''

import filecmp
import os
import re
import shutil
import tempfile
import time

from ansible.module_utils.basic import AnsibleModule

# How `ipmitool -v fru print 0` names the field each key sets.
LABELS = {
    'CPN': 'Chassis Part Number', 'CSN': 'Chassis Serial', 'CCI': 'Chassis Extra',
    'BM': 'Board Mfg', 'BPN': 'Board Product', 'BSN': 'Board Serial',
    'BAN': 'Board Part Number', 'FFI': 'Board FRU ID', 'CM': 'Board Extra',
    'MN': 'Product Manufacturer', 'PN': 'Product Name', 'PPN': 'Product Part Number',
    'PV': 'Product Version', 'PSN': 'Product Serial', 'AT': 'Product Asset Tag',
    'FII': 'Product FRU ID', 'CPI': 'Product Extra',
}
KEPT_BY_ONLY_BSN = 'Board Serial'
DATE_LABEL = 'Board Mfg Date'
ONLY_BSN_DATE = 1551402000  # the date ONLY_BSN stores, 2019-03-01 01:00 UTC, in seconds
MAX_FRU_ID = 254  # IPMI reserves 255
MAX_VALUE_BYTES = 63  # korrel refuses 64 and more
PRINT_LINE = re.compile(r' (\S.*?) *: (.*)$')

ARGUMENT_SPEC = dict(
    field=dict(type='str', required=True, aliases=['key'], choices=sorted(LABELS) + ['ONLY_BSN']),
    value=dict(type='str', default=''),
    allow_empty=dict(type='bool', default=False),
    backup=dict(type='bool', default=True),
    fru_id=dict(type='int', default=0),
    tmpdir=dict(type='path'),
)


class Host(object):
    """The commands the module runs, with their arguments never expanded."""

    def __init__(self, module):
        self.module = module
        self.ipmitool = module.get_bin_path('ipmitool', required=True)
        self.device = str(module.params['fru_id'])

    def run(self, argv, cwd=None):
        # run_command expands $VAR and ~ in each argument unless told not to;
        # a value is stored as given.
        return self.module.run_command(argv, cwd=cwd, expand_user_and_vars=False)

    def fields(self):
        """The text fields and the date by label; ipmitool lists no empty field."""
        rc, out, err = self.run([self.ipmitool, '-v', 'fru', 'print', self.device])
        if rc != 0:
            raise HostError('the record cannot be read: %s' % (err.strip() or out.strip() or 'fru print failed'))
        fields = {}
        for line in out.splitlines():
            match = PRINT_LINE.match(line)
            if match and match.group(1) not in fields:
                fields[match.group(1)] = match.group(2)
        return fields

    def read_device(self, path):
        """Copies the device into path; ipmitool reports a file it cannot
        write on stderr and still exits with 0, so the file is checked too."""
        rc, out, err = self.run([self.ipmitool, 'fru', 'read', self.device, path])
        if rc != 0 or err.strip() or not os.path.isfile(path) or os.path.getsize(path) == 0:
            return err.strip() or out.strip() or 'fru read failed'
        return None

    def write_device(self, path):
        """Whether it worked shows in the device read back, not here."""
        rc, out, err = self.run([self.ipmitool, 'fru', 'write', self.device, path])
        return (err.strip() or out.strip() or 'fru write failed with status %d' % rc) if rc != 0 else None


class HostError(Exception):
    pass


def ipmitool_date(seconds):
    """A time as ipmitool prints a FRU date: in the local time zone, with
    the C locale's names whatever the locale."""
    t = time.localtime(seconds)
    return '%s %s %2d %s' % ('Mon Tue Wed Thu Fri Sat Sun'.split()[t.tm_wday],
                             'Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec'.split()[t.tm_mon - 1],
                             t.tm_mday, time.strftime('%H:%M:%S %Y %Z', t))


def plan(params, fields):
    """What the task would change: (changed, result fields, diff)."""
    if params['field'] == 'ONLY_BSN':
        return plan_only_bsn(fields)
    label = LABELS[params['field']]
    before, after = fields.get(label, ''), params['value']
    msg = "'%s' -> '%s'" % (before, after) if before != after else "'%s' already" % before
    diff = {'before': '%s: %s\n' % (label, before), 'after': '%s: %s\n' % (label, after)}
    return before != after, dict(label=label, before=before, after=after, emptied={}, msg=msg), diff


def plan_only_bsn(fields):
    """ONLY_BSN empties every field but one and stores a fixed date; a date
    ipmitool does not show is taken as set."""
    label, date, new_date = KEPT_BY_ONLY_BSN, fields.get(DATE_LABEL), ipmitool_date(ONLY_BSN_DATE)
    emptied = dict((l, fields[l]) for l in LABELS.values() if l != label and fields.get(l))
    redated = date is not None and date != new_date
    msg = ('empties ' + ', '.join("%s '%s'" % lv for lv in emptied.items()) if emptied
           else 'every field but the board serial number is empty')
    msg += "; %s '%s' -> '%s'" % (DATE_LABEL, date, new_date) if redated else ''
    msg += "; %s '%s' kept" % (label, fields.get(label, ''))
    old_lines = ''.join('%s: %s\n' % lv for lv in emptied.items())
    diff = {'before': old_lines + ('%s: %s\n' % (DATE_LABEL, date) if date is not None else ''),
            'after': ''.join('%s: \n' % l for l in emptied) + '%s: %s\n' % (DATE_LABEL, new_date)}
    kept = fields.get(label, '')
    return bool(emptied) or redated, dict(label=label, before=kept, after=kept, emptied=emptied, msg=msg), diff


def korrel_error(out, err, rc):
    """korrel's last Error!!! line, without the progress text in front of it."""
    lines = [l for l in (out + '\n' + err).splitlines() if 'Error!!!' in l]
    return re.sub(r'^.*~ ?', '', lines[-1]) if lines else 'korrel failed with status %d' % rc


def restore(host, saved, work, error):
    """After a failed run: the record as saved, or put back from the copy.
    Returns (restored, part old, message)."""
    now = os.path.join(os.path.dirname(saved), 'now.bin')
    try:
        if host.read_device(now) is None and filecmp.cmp(now, saved, shallow=False):
            return False, False, error + '; the record reads as it was before'
        refused = host.write_device(saved)
        why = host.read_device(now)
        if why is None and filecmp.cmp(now, saved, shallow=False):
            return True, False, error + '; restored from the saved copy %s' % saved
        why = refused or why or 'the device read back differs from the copy'
    finally:
        if os.path.exists(now):
            os.unlink(now)
    return False, True, ('%s; THE RECORD IS PART OLD, PART NEW: writing back the saved copy failed (%s). '
                         'Put it back with: ipmitool fru write %s %s (korrel\'s fru.sh with the new record is in %s)'
                         % (error, why, host.device, saved, work))


def unsaved(out, work, error):
    """After a failed run without a copy: what korrel says of the record."""
    if 'part old, part new' in out:
        return False, True, ('%s; THE RECORD IS PART OLD, PART NEW: korrel could not write the old record back, '
                             'and no copy was saved (korrel\'s fru.sh with the new record is in %s)' % (error, work))
    if 'what the BMC holds is not known' in out:
        return False, True, ('%s; WHAT THE BMC HOLDS IS NOT KNOWN: korrel wrote the old record back but could not read '
                             'it back, and no copy was saved; run korrel again once the BMC answers (korrel\'s fru.sh '
                             'with the new record is in %s)' % (error, work))
    if 'old record was written back and reads as before' in out:
        return False, False, error + '; korrel wrote the old record back, it reads as it was before'
    return False, False, error + '; no copy was saved to compare the record with'


def check_private(path):
    """Refuses a directory that another user could rename or swap entries
    in: it and each directory above it must belong to root or to this user,
    and be writable by no one else unless sticky (as /tmp is)."""
    path = os.path.realpath(path)
    while True:
        st = os.stat(path)
        if st.st_uid not in (0, os.geteuid()) or (st.st_mode & 0o022 and not st.st_mode & 0o1000):
            raise HostError('%s may be changed by another user; give tmpdir a directory of your own' % path)
        if path == os.path.dirname(path):
            return
        path = os.path.dirname(path)


def save(host, tmpdir, result):
    """The whole device, copied into a new private directory."""
    saved_dir = tempfile.mkdtemp(prefix='korrel-saved.', dir=tmpdir)
    saved = os.path.join(saved_dir, 'fru%s.bin' % host.device)
    why = host.read_device(saved)
    if why:
        shutil.rmtree(saved_dir, ignore_errors=True)
        raise HostError('the record was not saved, so not edited: %s' % why)
    result.update(backup_file=saved, saved_at=time.strftime('%Y%m%dT%H%M%SZ', time.gmtime()))
    return saved


def edit(module, host, result):
    """Saves the device unless told not to, runs korrel, and checks or
    restores the record."""
    params = module.params
    korrel = module.get_bin_path('korrel', required=False)
    if not korrel:
        raise HostError('korrel is not installed on the host')
    check_private(params['tmpdir'] or tempfile.gettempdir())
    saved = save(host, params['tmpdir'], result) if params['backup'] else None
    work = tempfile.mkdtemp(prefix='korrel-work.', dir=params['tmpdir'])
    # Device 0 without the option, so that korrel runs as it always has there.
    argv = [korrel] + (['--fru-id', host.device] if params['fru_id'] else []) + [params['field']]
    argv += [] if params['field'] == 'ONLY_BSN' else [params['value']]
    rc, out, err = host.run(argv, cwd=work)
    if rc != 0:
        error = korrel_error(out, err, rc)
        restored, part_old, result['msg'] = restore(host, saved, work, error) if saved else unsaved(out, work, error)
        result.update(restored=restored, changed=restored or part_old)
        if not part_old:
            shutil.rmtree(work, ignore_errors=True)
        finish(module, result, failed=True)
    shutil.rmtree(work, ignore_errors=True)
    result['changed'] = True
    fields = host.fields()
    now = fields.get(result['label'], '')
    left = [l for l in LABELS.values() if l != KEPT_BY_ONLY_BSN and fields.get(l)]
    if now != result['after'] or (params['field'] == 'ONLY_BSN' and left):
        result['msg'] = ("korrel succeeded, but %s reads back as '%s'%s, not as planned; %s"
                         % (result['label'], now, ' and %s are not empty' % ', '.join(left) if left else '',
                            'the saved copy is %s' % saved if saved else 'no copy was saved'))
        finish(module, result, failed=True)


def device_name(params):
    """How messages name a device other than 0; device 0's texts name none."""
    return 'FRU device %d' % params['fru_id'] if params['fru_id'] else None


def finish(module, result, failed=False):
    if device_name(module.params):
        result['msg'] += ' (%s)' % device_name(module.params)
    (module.fail_json if failed else module.exit_json)(**result)


def check_params(params):
    # Ansible passes a boolean as it is to an int option.
    if isinstance(params['fru_id'], bool) or not 0 <= params['fru_id'] <= MAX_FRU_ID:
        return 'fru_id must be a FRU device ID from 0 to %d (255 is reserved), not %r' % (MAX_FRU_ID, params['fru_id'])
    value = params['value']
    if params['field'] == 'ONLY_BSN':
        return None
    if '\n' in value:
        return 'the value holds a newline, which korrel cannot store'
    if len(value.encode('utf-8', 'surrogateescape')) > MAX_VALUE_BYTES:
        return 'the value is longer than %d bytes' % MAX_VALUE_BYTES
    if not value and not params['allow_empty']:
        return 'the value is empty (allow_empty would empty the field)'
    return None


def main():
    module = AnsibleModule(argument_spec=ARGUMENT_SPEC, supports_check_mode=True)
    why = check_params(module.params)
    if why:
        module.fail_json(msg=why, changed=False)
    result = dict(changed=False, fru_id=module.params['fru_id'])
    try:
        host = Host(module)
        changed, planned, diff = plan(module.params, host.fields())
        result.update(planned)
        if changed and not module.check_mode:
            edit(module, host, result)
        result['changed'] = changed
        if module._diff:
            result['diff'] = diff
            if device_name(module.params):
                diff.update(before_header=device_name(module.params), after_header=device_name(module.params))
    except (HostError, OSError) as e:
        result['msg'] = str(e)
        finish(module, result, failed=True)
    finish(module, result)


if __name__ == '__main__':
    main()
