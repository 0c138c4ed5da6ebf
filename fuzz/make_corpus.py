#!/usr/bin/env python3
"""Writes the seed corpora in fuzz/corpus/<target>/, encoded as each target reads its input.

Run it after changing a seed or an input encoding; the files it writes are checked in.
"""

import pathlib
import random
import re
import shutil
import struct

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"

FORMULA_CHARACTERS = "0123456789.E+-*/(), XSINCOTALGPWR"
NUMBER_CHARACTERS = " \t\n0123456789012345.+-EeDd,."
AMOUNT_CHARACTERS = "0123456789012345678900000.. -+a,E\uff11"
KEYS = {**{str(d): d for d in range(10)}, ".": 10, "+": 11, "-": 12, "*": 13, "/": 14, "=": 15,
        "N": 16, "R": 17, "C": 18}  # N: sign key, R: reciprocal key, C: clear key


def utf16(text):
    return text.encode("utf-16-le", "surrogatepass")


def alphabet(text, characters):
    return bytes(characters.index(c) for c in text)


def formula(text, x_index=0):
    """Character mode where the text allows it, raw UTF-16 otherwise."""
    if all(c in FORMULA_CHARACTERS for c in text):
        return bytes([1 | x_index << 2]) + alphabet(text, FORMULA_CHARACTERS)
    return bytes([0 | x_index << 2]) + utf16(text)


def nested(depth, opening, inner):
    deep = 0xE0 if depth >= 64 else 0  # the top bits that let the depth pass 63
    return bytes([3]) + struct.pack("<HB", depth, opening | deep) + alphabet(inner, FORMULA_CHARACTERS)


def calculate_string_seeds():
    texts = [
        "2*(3+4)", "1+2*3", "2*3+1", "10-3-2", "8/4/2", "10/2*5", "1-2+3", "-3+5", "-(1+2)", "+3", "- 3",
        "2*(-3)", "1-(-2)", "2*-3", "1+-2", "--5", "-", "", "   ", "  ( 1 + 2 ) * 3  ", "1 000", "1+2 3",
        "1 .5", "007", "1.", "1E3", "1.5E2", "2E", "2E*3", "1E-5", "1E+5", "1E -5", ".5", "1.2.3", "1E400",
        "1E308*10", "1/0", "0/0", "X", "X*X+1", "-X", "2X", "2(3)", "1,5", "(1+2", "1+2)", "X X",
        "SIN(0)", "COS(0)", "TAN(0)", "SIN(X)", "-SIN(X)", "LOG(100)", "LOG(1000)", "LN(1)", "EXP(0)",
        "LN(EXP(2))", "ARCTAN(1)*4", "ARCSIN(1)", "ARCSIN(-1)", "ARCSIN(0.5)", "ARCCOS(0.5)", "ARCCOS(-1)",
        "POW(2,10)", "POW(2,-1)", "POW(-2,3)", "POW( 2 , 3 )", "POW (2,3)", "POW(POW(2,2),3)", "POW(2,3)*2",
        "SIN (0)", "( 1 )", "((((1))))", "(1+2) * 3", "SIN 0", "SIN0", "SINE(0)", "SIN()", "SIN(0", "()",
        "(1+2))", "POW(2)", "POW(2,3", "POW 2,3", "LN(0)", "LOG(-1)", "ARCSIN(2)", "ARCCOS(-1.5)",
        "EXP(1000)", "EXP(709.78)", "POW(-8,0.5)", "POW(0,-1)", "POW(10,308)*10",
        "sin(0)", "Sin(x)", "x", "1e3", "1D3", "2^3", "2\u00d73", "\uff081+2\uff09", "1+2\t",
    ]
    seeds = {text: formula(text) for text in texts}
    seeds["X*X with X=1E300"] = formula("X*X", 6)
    seeds["POW(X,2) with X=3"] = formula("POW(X,2)", 5)
    seeds["LN(X) with X=0"] = formula("LN(X)", 1)
    seeds["60 groups"] = nested(60, 0, "1")
    seeds["100 groups"] = nested(100, 0, "1")
    seeds["16382 groups"] = nested(16382, 0, "1")
    seeds["16383 groups"] = nested(16383, 0, "1")
    seeds["4000 SIN calls"] = nested(4000, 2, "0")
    seeds["3000 POW calls"] = nested(3000, 4, "2")
    seeds["tokens ARCCOS(POW(0.5,1))"] = bytes([2, 8, 9, 25, 12, 22, 10, 10])
    rng = random.Random(20240611)  # formulas of the plain grammar, X = 1, 0 and -1
    seeds.update({f"plain grammar {i}": bytes([0x20 | i << 2]) + rng.randbytes(40 * i + 80) for i in range(3)})
    return seeds


def number_text_seeds():
    raw = ["", "ERROR", " 1 2.5", "1e3", "12abc", "1,000", "1.2.3", "-7", "1E+15", "5 E 3", "2E", "1E400",
           "&H10", "\uff11\uff12", " 12 ", "1,234.5", "12\u5143", "abc", ".", "-", "1D-3", "32767.5"]
    typed = ["12.5", "1E400", "1D3", "-.5", "5 E 3", "1e-400", "+1,000.5", "\t1\n2", "1E-", "0E99999",
             "2147483647.5", "-32768.5", " 1.5E3 "]
    doubles = [1 / 3, 0.1 + 0.2, -0.5, 1e15, 123456789012345.0, 999999999999999.9, 1.7976931348623157e308,
               -1.7976931348623157e308, 5e-324, 0.001, 0.0001, 0.00099999999999999995, 32767.5, 2.5,
               2147483647.5, -2147483648.5, -0.0, 1e-5, 1e-10, 1.23456789012346e17]
    seeds = {f"text {t}": bytes([0]) + utf16(t) for t in raw}
    seeds.update({f"typed {t}": bytes([2]) + alphabet(t, NUMBER_CHARACTERS) for t in typed})
    seeds.update({f"double {x!r}": bytes([1]) + struct.pack("<d", x) for x in doubles})
    for start, length, s, sub in [(2, 3, "hello", "ll"), (1, 0, "abc", "c"), (0, 1, "abc", "x"),
                                  (7, 2, "abc", "abcd"), (1, -1, "", "a"), (2147483647, 2147483647, "ab", "b"),
                                  (-2147483648, 5, "\u5143\u89d2", "\u89d2"), (3, 5, "abc", "x"), (4, 2, "abc", "bc"),
                                  (3, 1, "\u58f9\u4edf\u96f6\u58f9\u5143", "\u96f6"), (1, 1, "abcabc", "ca"),
                                  (1, 1, "ABC", "b"), (2, 1, "abc", ""), (1, 1, "", "")]:
        seeds[f"strings {s} {start} {length}"] = (bytes([3]) + struct.pack("<iiB", start, length, len(s))
                                                  + utf16(s + sub))
    # Doubles whose low 16 bits are the edges of IntegerText's range.
    seeds.update({f"bits {b:#x}": bytes([1]) + struct.pack("<Q", 0x3FF0000000000000 | b)
                  for b in (0x7, 0x7FFF, 0x8000, 0xFFFF)})
    return seeds


def capital_amount_seeds():
    texts = ["", "0", "5", "10", "101", "110", "1001", "1010", "10000", "10001", "100000", "100500", "105000",
             "1000000", "1000001", "12345678", "120000000", "1234567890", "2147483647", "2147483648",
             "9999999999", "05", "12.", "12.0", "12.5", "12.05", "12.50", "12.00", "12.345", ".5", "0.5", "0.05",
             "1.2.3", "1..5", "0.999", "12345678.9", "007", "000", "00000", "100000000", "100000001",
             "1000000000", "-1", "+1", "a1", " 12", "1 2", "1,2", "\uff11\uff12", "1.a", "1. 5", "\ud800"]
    seeds = {}
    for text in texts:
        typed = all(c in AMOUNT_CHARACTERS for c in text) and text
        seeds[text] = bytes([1]) + alphabet(text, AMOUNT_CHARACTERS) if typed else bytes([0]) + utf16(text)
    return seeds


def keypad_seeds():
    sequences = ["12+3===", "12+3=C4=", "7-2===", "8/0=", "1/3=", "0.1+0.2=", "5=", "5=.3", "1.5.", "+4=",
                 "N", "12N3", "4R5", "R", "0R", "5+-3=", "5*=", "5/=", "2+3=C=", "2+3=C4=", "C", "00",
                 "1" + "0" * 10 + "*1" + "0" * 10 + "=" * 32,
                 "1" + "0" * 10 + "*1" + "0" * 10 + "=" * 30 + ".5+",
                 "." + "0" * 320 + "1R", "1" + "0" * 309 + "+", "1" + "0" * 309 + "N", "1" + "0" * 309 + "=",
                 "9" * 16 + "R", "1.5N.3", "3R=N", "2+3=.3", ".5NN", "0.R", "8NR", "2*3.5=", "9*4=C.N7=",
                 "2+3=N5", "." + "0" * 307 + "1R", *("1" + "0" * 309 + "=" + k for k in ("N", "R", ".", "+4="))]
    return {seq: bytes(KEYS[k] for k in seq) for seq in sequences}


def maths_seeds():
    """Hard arguments of each function: near multiples of pi/2, thresholds, exact and halfway powers."""
    inf, nan, tiny = float("inf"), float("nan"), 5e-324
    worst_reduction = 6381956970095103 * 2.0 ** 797
    below_2_7 = float.fromhex("0x1.fffffffffffffp-8")  # the end of a range
    cases = {"sin": [0.0, -0.0, 1e22, 3.141592653589793, worst_reduction, -tiny, 1e308, inf, nan, below_2_7],
             "cos": [1.5707963267948966, 1e22, worst_reduction, 1e-9, -inf],
             "tan": [1.5707963267948966, -1e22, worst_reduction, 0.7853981633974483, 2.0 ** -30, -below_2_7],
             "atan": [1.0, 1.0000000000000002, 0.9999999999999999, -1e300, 2.0 ** 54, -tiny, inf, below_2_7],
             "log": [1.0, 0.9999999999999999, 1.0000000000000002, 2.0, 0.5000000000000001, tiny, 0.0, -1.0,
                     1.7976931348623157e308],
             "exp": [709.782712893384, 709.7827128933841, -708.3964185322641, -745.1332191019411,
                     -745.1332191019412, 2.0 ** -60, -inf, 1.0]}
    pairs = [(3.0, 34.0), (2.0, -1074.0), (2.0, -1075.0), (-2.0, -1075.0), (1.0000000000000002, 2.0 ** 53),
             (0.9999999999999999, -(2.0 ** 53) + 1), (49.0, 1.5), (262143.0 ** 2, 1.5), (94906267.0, 2.0),
             (-3.0, 33.0), (-1.0, 2.0 ** 53 - 1), (-1.0, -(2.0 ** 897)), (-8.0, 1 / 3), (nan, -0.0), (1.0, nan), (-0.0, -3.0), (-inf, 2.5),
             (10.0, 308.25), (1.5, 1750.5), (0.5, 1074.5)]
    functions = ["sin", "cos", "tan", "atan", "log", "exp", "pow"]
    seeds = {f"{name} {x!r}": bytes([functions.index(name)]) + struct.pack("<d", x)
             for name, xs in cases.items() for x in xs}
    seeds.update({f"pow {x!r} {y!r}": bytes([6]) + struct.pack("<dd", x, y) for x, y in pairs})
    return seeds


def file_name(index, label):
    slug = re.sub(r"[^A-Za-z0-9]+", "_", label).strip("_")[:40]
    return f"{index:03d}_{slug}" if slug else f"{index:03d}"


def write(target, seeds):
    folder = CORPUS / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    for index, (label, data) in enumerate(seeds.items()):
        (folder / file_name(index, label)).write_bytes(data)


def main():
    write("fuzz_calculate_string", calculate_string_seeds())
    write("fuzz_number_text", number_text_seeds())
    write("fuzz_capital_amount", capital_amount_seeds())
    write("fuzz_keypad", keypad_seeds())
    write("fuzz_maths", maths_seeds())


if __name__ == "__main__":
    main()
