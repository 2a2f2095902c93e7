#!/usr/bin/env python3
# Prints the coefficients and constants of effect/dsp/OwnMath.h again:
# Chebyshev fits (mpmath, 50 digits) of the reduced functions over their
# reduced ranges, the first fit whose error is below 2e-18, and the split
# constants. Needs python3-mpmath.
import mpmath as mp
mp.mp.dps = 60

def show(name, x):
    print(f'{name:14s} {x.hex():24s} {x!r}')

def leading_bits(x, bits):
    m, e = mp.frexp(x)
    return float(mp.floor(m * 2**bits) / 2**bits * 2**e)

def reduced(f, limit):
    return lambda z: limit if z == 0 else f(z)

fits = [
    ('kAtan', reduced(lambda z: (mp.atan(mp.sqrt(z)) / mp.sqrt(z) - 1) / z, -mp.mpf(1) / 3),
     0, mp.tan(mp.pi / 8)**2),
    ('kExp', reduced(lambda r: (mp.exp(r) - 1 - r) / (r * r), mp.mpf(1) / 2),
     -mp.log(2) / 2, mp.log(2) / 2),
    ('kSin', reduced(lambda z: (mp.sin(mp.sqrt(z)) / mp.sqrt(z) - 1) / z, -mp.mpf(1) / 6),
     0, (mp.pi / 4)**2),
    ('kCos', reduced(lambda z: (mp.cos(mp.sqrt(z)) - 1 + z / 2) / (z * z), mp.mpf(1) / 24),
     0, (mp.pi / 4)**2),
]
for name, f, a, b in fits:
    for n in range(4, 20):
        poly, error = mp.chebyfit(f, [mp.mpf(a), mp.mpf(b)], n, error=True)
        if error < 2e-18:
            print(f'{name}: {n} terms, lowest degree first, fit error {mp.nstr(error, 3)}')
            for c in reversed(poly):
                print('   ', float(c).hex())
            break

show('kTanEighthPi', float(mp.tan(mp.pi / 8)))
show('kTanThreeEighthsPi', float(mp.tan(3 * mp.pi / 8)))
for name, x in [('kHalfPi', mp.pi / 2), ('kQuarterPi', mp.pi / 4), ('kLn10', mp.log(10))]:
    show(name, float(x))
    show(name + 'Low', float(x - float(x)))
show('kLog2e', float(1 / mp.log(2)))
ln2 = leading_bits(mp.log(2), 32)
show('kLn2High', ln2)
show('kLn2Low', float(mp.log(2) - ln2))
show('kTwoOverPi', float(2 / mp.pi))
first = leading_bits(mp.pi / 2, 33)
second = leading_bits(mp.pi / 2 - first, 33)
show('kHalfPi1', first)
show('kHalfPi2', second)
show('kHalfPi3', float(mp.pi / 2 - first - second))
show('kExpHighest', float(mp.log(mp.mpf(2)**1024 * (1 - mp.mpf(2)**-53))))
show('kExpLowest', float(mp.log(mp.mpf(2)**-1075)))
