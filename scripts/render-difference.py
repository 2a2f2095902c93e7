#!/usr/bin/env python3
# How far two renders of gravelo-render (32-bit float WAV) are apart: the
# samples that differ, the largest difference, and whether every sample is
# within ABS + REL * |sample| (default 1e-6 + 1e-6 of the sample's size).
#   scripts/render-difference.py A.wav B.wav [ABS REL]
import struct, sys

def samples(path):
    data = open(path, 'rb').read()
    if data[:4] != b'RIFF' or data[8:12] != b'WAVE':
        sys.exit(f'{path}: not a WAV file')
    at, fmt, body = 12, None, None
    while at + 8 <= len(data):
        tag, size = data[at:at + 4], struct.unpack('<I', data[at + 4:at + 8])[0]
        if tag == b'fmt ': fmt = struct.unpack('<HHIIHH', data[at + 8:at + 24])
        if tag == b'data': body = data[at + 8:at + 8 + size]
        at += 8 + size + (size & 1)
    if fmt is None or body is None or fmt[5] != 32:
        sys.exit(f'{path}: not 32-bit float samples')
    return struct.unpack(f'<{len(body) // 4}f', body)

a, b = samples(sys.argv[1]), samples(sys.argv[2])
absolute, relative = (float(sys.argv[3]), float(sys.argv[4])) if len(sys.argv) > 4 else (1e-6, 1e-6)
if len(a) != len(b):
    sys.exit(f'{len(a)} against {len(b)} samples')
differing = sum(x != y for x, y in zip(a, b))
largest = max((abs(x - y) for x, y in zip(a, b)), default=0.0)
outside = sum(abs(x - y) > absolute + relative * abs(x) for x, y in zip(a, b))
print(f'{len(a)} samples, {differing} differ, largest difference {largest:.3g}, '
      f'{outside} outside {absolute:g} + {relative:g}·|sample|')
sys.exit(1 if outside else 0)
