#!/usr/bin/env python3
# Writes src/interchange/AnselTables.inc: the pairs (base letter, combining
# mark) that Unicode composes into one character, for the combining marks
# ANSEL has. Run from the source root: python3 tools/ansel_table.py
import unicodedata

MARKS = [0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307, 0x0308, 0x030C, 0x030A,
         0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310, 0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333,
         0x0332, 0x0326, 0x031C, 0x032E, 0xFE22, 0xFE23, 0x0313]

pairs = []
for c in range(0x00C0, 0x3000):
    ch = chr(c)
    d = unicodedata.decomposition(ch)
    if not d or d.startswith('<'):
        continue
    parts = [int(x, 16) for x in d.split()]
    if len(parts) != 2 or parts[1] not in MARKS:
        continue
    if unicodedata.normalize('NFC', chr(parts[0]) + chr(parts[1])) != ch:
        continue  # excluded from composition
    pairs.append((parts[0], parts[1], c))
pairs.sort()
with open('src/interchange/AnselTables.inc', 'w', encoding='utf-8') as out:
    out.write('// Made by tools/ansel_table.py from Unicode %s: base, mark, composed.\n'
              % unicodedata.unidata_version)
    for base, mark, composed in pairs:
        out.write('{0x%04X, 0x%04X, 0x%04X},\n' % (base, mark, composed))
print(len(pairs))
