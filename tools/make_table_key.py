#!/usr/bin/env python3
"""Prints the two key texts of the scrambled table files as C++ string literals.

Each key text is 396 decimal digits, read as 198 two-digit numbers 0..197. Numbers 1..99 of the
first text (A) and of the second (B) are the character positions exchanged in a line: exchange j
swaps positions A(j) and B(j). Both lists are shuffles of 1..99, so every position of the first 99
takes part, and no exchange swaps a position with itself. Number 0 and numbers 100..197 are unused
digits, drawn from the same generator.

The seed is fixed: running this again prints the same texts. Changing the keys makes every
scrambled file made before unreadable, so do it only together with remaking those files.
"""
import random
import sys

SEED = 20240917


def make_keys(seed):
    rng = random.Random(seed)
    a = list(range(1, 100))
    b = list(range(1, 100))
    rng.shuffle(a)
    rng.shuffle(b)
    # An exchange of a position with itself would do nothing: swap such entries of B with the next one.
    for j in range(len(b)):
        if a[j] == b[j]:
            k = (j + 1) % len(b)
            b[j], b[k] = b[k], b[j]
    assert all(x != y for x, y in zip(a, b))
    texts = []
    for positions in (a, b):
        numbers = [rng.randrange(100)] + positions + [rng.randrange(100) for _ in range(98)]
        assert len(numbers) == 198
        texts.append("".join("%02d" % n for n in numbers))
    return texts


def main():
    seed = int(sys.argv[1]) if len(sys.argv) > 1 else SEED
    for name, text in zip(("kFirstKeyText", "kSecondKeyText"), make_keys(seed)):
        assert len(text) == 396
        print("constexpr char %s[] =" % name)
        for i in range(0, 396, 66):
            print('    "%s"' % text[i:i + 66])
        print("    ;")


if __name__ == "__main__":
    main()
