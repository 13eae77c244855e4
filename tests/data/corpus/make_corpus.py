#!/usr/bin/env python3
"""Writes labels.json: a corpus of stored labels for the load-and-save and print tests.

Each entry is one label record as the label table holds it: description, template name,
sheet geometry and the objects text of its OBJECTS memo, byte for byte (CR LF line ends,
hand-made oddities included). The corpus is made once and kept in the repository; run this
again only to extend it, then record the expected results afresh on an unchanged program
(see README, "Label corpus").

"@SRC@" in a file name stands for the project's root; the tests put the real path in.
The two BMP pictures beside this script are written here too (our own, free to use).
"""

import json
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
CRLF = "\r\n"

KINDS = ["TEXT", "COUNTER", "SYMBOL", "RECTANGLE", "ROUNDRECTANGLE", "ELLIPSE",
         "HORIZONTALLINE", "VERTICALLINE", "IMAGE", "BARCODE"]
BRUSHES = ["SOLID", "CLEAR", "HORIZONTAL", "VERTICAL", "FDIAGONAL", "BDIAGONAL", "CROSS",
           "DIAGCROSS"]
FONTS = ["Arial", "Times New Roman", "Courier New", "DejaVu Sans", "Liberation Serif",
         "NoSuchFontAnywhere", ""]
COLOURS = [0, 255, 65280, 16711680, 16777215, 8421504, 12632256, 128, 32896,
           -2147483643, -2147483633, -2147483648, 2147483647, -1, 1]
DISTANCES = ["0.000", "0.010", "0.063", "0.104", "0.260", "1.000", "10.417", "-0.052",
             "0.0005", "0.0625", "1.0005", "0.0104", "2.5e-1", "1E0", "0.5", "3",
             "+0.125", " 0.250", "0.99949", "0.00520833", "-1.234", "99.999"]
ANGLES = [0, 90, 180, 270, 359, -90, -180, 45, 30, -45, 135, -135, 450, -450, 1, 315, 720]
PICTURES = ["@SRC@/tests/data/wmf/lo-pri-fax.wmf", "@SRC@/tests/data/wmf/lo-bus-classic.wmf",
            "@SRC@/tests/data/corpus/stripes.bmp", "@SRC@/tests/data/corpus/dots.bmp",
            "@SRC@/tests/data/corpus/missing-picture.bmp", "/no/such/folder/logo.BMP",
            "@SRC@/tests/data/wmf/lo-stl-03.wmf", "", "@SRC@/tests/data/corpus/labels.json"]
SYMBOLOGIES = [("CODE128", "12345678"), ("CODE128", "Ship {#} now"), ("CODE39", "ABC-123"),
               ("EANX", "5901234123457"), ("EANX", "12345"), ("UPCA", "72527273070"),
               ("ITF14", "1540014128876"), ("GS1_128", "[01]12345678901231"),
               ("QRCODE", "https://example.org/label?id=42"), ("DATAMATRIX", "Lot 7 {#}"),
               ("PDF417", "PDF417 data"), ("AZTEC", "Aztec"), ("EANX", "not digits"),
               ("CODE128", "")]
TEXTS = ["Welcome", "Hello", "", " ", "a=b", "==", "Grüße – naïve", "{Name}", "{#} of many",
         "{{braces}}", "x" * 120, "Long " * 60, "Tab\tinside", "Ünïcödé ✓ ☃", "0",
         "Trailing blanks   ", "日本語のラベル", "Special1", "NOTHING", "LABELITEM=TEXT"]
LONG_NAME = "Extremely Long Font Family Name That Goes On And On"

FIXED_GEOMETRIES = [
    # height, width, across, down, top, left, hpitch, vpitch, paper, shape, template
    (1.0, 2.625, 3, 10, 0.5, 0.1875, 2.75, 1.0, "LTR", "RR", "Address 1 x 2-5/8 (30)"),
    (1.5, 4.0, 2, 5, 0.75, 0.25, 4.125, 2.0, "LTR", "SR", "Shipping 1-1/2 x 4"),
    (2.0, 2.0, 3, 4, 0.5, 0.5, 2.5, 2.5, "A4", "RE", "Round 2 in"),
    (0.5, 1.75, 4, 20, 0.5, 0.28125, 2.0625, 0.5, "LTR", "RR", "Return address (80)"),
    (1.4, 2.5, 3, 7, 0.6, 0.3, 2.6, 1.5, "A4", "RR", "A4 21 labels"),
    (3.0, 4.25, 2, 3, 0.5, 0.0, 4.25, 3.333, "LTRL", "SR", "Landscape badges"),
    (1.0, 1.0, 5, 5, 0.25, 0.25, 1.125, 1.125, "A5", "RE", ""),
    (2.333, 3.5, 2, 4, 0.375, 0.625, 3.625, 2.5, "A4L", "SR", "Odd sizes 2.333"),
    (1.0005, 2.0004, 1, 1, 0.0, 0.0, 0.0, 0.0, "USER", "RR", "Precision limits"),
]


def line(key, value):
    return f"{key}={value}{CRLF}"


def box(rnd, lines):
    for key in ("TOP", "LEFT", "WIDTH", "HEIGHT"):
        lines.append(line(key, rnd.choice(DISTANCES)))


def pixels_box(rnd, lines, ppi=96):
    """A box as the writer puts it: whole pixels at 96 per inch, three decimals."""
    for key, upper in (("TOP", 90), ("LEFT", 240), ("WIDTH", 120), ("HEIGHT", 60)):
        px = rnd.randint(-10, upper)
        lines.append(line(key, f"{px / ppi:.3f}"))


def flag(rnd):
    return rnd.choice(["Y", "N", "Y", "N", "y", "", "YES"])


def text_item(rnd, counter=False):
    lines = [line("LABELITEM", "COUNTER" if counter else "TEXT")]
    if not counter:
        lines.append(line("TEXT", rnd.choice(TEXTS)))
    (pixels_box if rnd.random() < 0.7 else box)(rnd, lines)
    if counter:
        lines.append(line("RELATIVEX", "0.031"))
        lines.append(line("RELATIVEY", "0.073"))
        lines.append(line("STARTINGNUMBER", rnd.choice([1, 0, 100, 99999, -5, 2147483647])))
        lines.append(line("REPEATEACH", rnd.choice([1, 2, 3, 10, 0])))
    lines.append(line("FONTNAME", rnd.choice(FONTS + [LONG_NAME])))
    lines.append(line("FONTCOLOR", rnd.choice(COLOURS)))
    lines.append(line("FONTSIZE", rnd.choice([8, 10, 12, 18, 24, 36, 72, 1, 6, 9])))
    for key in ("FONTBOLD", "FONTITALIC", "FONTUNDER"):
        lines.append(line(key, flag(rnd)))
    angle = rnd.choice(ANGLES)
    lines.append(line("ANGLE", angle if counter or angle >= 0 else angle + 360))
    if not counter:
        lines.append(line("RELATIVEX", rnd.choice(["0.000", "0.125", "-0.010"])))
        lines.append(line("RELATIVEY", rnd.choice(["0.000", "0.167"])))
    return lines


def symbol_item(rnd):
    lines = [line("LABELITEM", "SYMBOL")]
    pixels_box(rnd, lines)
    lines.append(line("FONTSIZE", rnd.choice([8, 12, 18, 24, 48, 96])))
    lines.append(line("FONTCOLOR", rnd.choice(COLOURS)))
    lines.append(line("ASCIICHAR", rnd.choice([33, 74, 76, 171, 255, 65, 200, 254, 40])))
    return lines


def shape_item(rnd, kind):
    lines = [line("LABELITEM", kind)]
    (pixels_box if rnd.random() < 0.8 else box)(rnd, lines)
    lines.append(line("BRUSHSTYLE", rnd.choice(BRUSHES + ["DOTTED", "solid"])))
    lines.append(line("COLOR", rnd.choice(COLOURS)))
    lines.append(line("LINETHICKNESS", rnd.choice([1, 2, 3, 5, 10, 0, 25])))
    lines.append(line("LINECOLOR", rnd.choice(COLOURS)))
    if kind == "ROUNDRECTANGLE":
        lines.append(line("ROUNDING", rnd.choice([20, 30, 50, 90, 0, 100, 25])))
    return lines


def line_item(rnd, kind):
    lines = [line("LABELITEM", kind)]
    pixels_box(rnd, lines)
    lines.append(line("ORIENTATION", rnd.choice(["H", "V", "X", ""])))
    lines.append(line("LINETHICKNESS", rnd.choice([1, 2, 4, 7, 10])))
    lines.append(line("LINECOLOR", rnd.choice(COLOURS)))
    return lines


def image_item(rnd):
    lines = [line("LABELITEM", "IMAGE")]
    pixels_box(rnd, lines)
    lines.append(line("STRETCH", rnd.choice(["Y", "N", "N"])))
    lines.append(line("FILENAMEANDPATH", rnd.choice(PICTURES)))
    return lines


def barcode_item(rnd):
    lines = [line("LABELITEM", "BARCODE")]
    pixels_box(rnd, lines)
    symbology, data = rnd.choice(SYMBOLOGIES)
    lines.append(line("SYMBOLOGY", symbology))
    lines.append(line("DATA", data))
    lines.append(line("SHOWTEXT", rnd.choice(["Y", "N"])))
    lines.append(line("COLOR", rnd.choice([0, 255, 8388608, 0])))
    lines.append(line("BACKGROUND", rnd.choice([16777215, 65535, 16777215])))
    return lines


def unknown_item(rnd):
    lines = [line("LABELITEM", rnd.choice(["STAR", "ARROW", "text", "QRCODE2"]))]
    pixels_box(rnd, lines)
    lines.append(line("POINTS", rnd.choice([5, 6, 12])))
    lines.append(line("FILL", "gradient=linear"))
    return lines


def item(rnd, kind):
    if kind in ("TEXT", "COUNTER"):
        return text_item(rnd, kind == "COUNTER")
    if kind == "SYMBOL":
        return symbol_item(rnd)
    if kind in ("RECTANGLE", "ROUNDRECTANGLE", "ELLIPSE"):
        return shape_item(rnd, kind)
    if kind in ("HORIZONTALLINE", "VERTICALLINE"):
        return line_item(rnd, kind)
    if kind == "IMAGE":
        return image_item(rnd)
    if kind == "BARCODE":
        return barcode_item(rnd)
    return unknown_item(rnd)


def finish(lines):
    text = "".join(lines)
    if len(text) % 4 == 0:
        text += line("NOTHING", "NOTHING")
    return text


def distort(rnd, lines):
    """Hand-made oddities: dropped keys (values carry over), repeated keys, shuffled order."""
    roll = rnd.random()
    if roll < 0.15 and len(lines) > 2:
        del lines[rnd.randrange(1, len(lines))]
    elif roll < 0.25 and len(lines) > 2:
        lines.insert(rnd.randrange(1, len(lines)), rnd.choice(lines[1:]))
    elif roll < 0.32 and len(lines) > 3:
        body = lines[1:]
        rnd.shuffle(body)
        lines[1:] = body
    elif roll < 0.36:
        lines.append(line("UNKNOWNKEY", "kept out"))
        lines.append("no equals sign here is never read" + CRLF if rnd.random() < 0.2 else "")
    return lines


def geometry(rnd, index):
    if index % 3 == 0:
        g = FIXED_GEOMETRIES[index // 3 % len(FIXED_GEOMETRIES)]
    else:
        height = round(rnd.uniform(0.4, 3.0), 3)
        width = round(rnd.uniform(0.8, 4.0), 3)
        across = rnd.randint(1, 3)
        down = rnd.randint(1, 8)
        g = (height, width, across, down, round(rnd.uniform(0, 0.6), 3),
             round(rnd.uniform(0, 0.4), 3), round(width + rnd.uniform(0, 0.3), 3),
             round(height + rnd.uniform(0, 0.3), 3), rnd.choice(["LTR", "A4", "LTR", "A5"]),
             rnd.choice(["RR", "SR", "RE"]), f"Generated {index}")
    keys = ["labelHeight", "labelWidth", "labelsAcross", "labelsDown", "topMargin",
            "leftMargin", "horizontalPitch", "verticalPitch", "paperSize", "labelShape"]
    return g[10], dict(zip(keys, g[:10]))


def hand_made():
    """Labels written by hand: the worked example, the seeds of the reader fuzzer, edges."""
    labels = []
    fuzz = os.path.join(HERE, "..", "..", "..", "fuzz", "corpus", "objects")
    for name in sorted(os.listdir(fuzz)):
        with open(os.path.join(fuzz, name), "rb") as f:
            raw = f.read().decode("utf-8")
        labels.append((f"Seed {name[:-4]}", raw))
    labels += [
        ("Empty label", "NOTHING=NOTHING" + CRLF),
        ("Empty memo", ""),
        ("Only an empty line", CRLF),
        ("Bare LABELITEM at end", "LABELITEM=TEXT" + CRLF),
        ("Unix line ends", "LABELITEM=RECTANGLE\nTOP=0.100\nLEFT=0.200\nWIDTH=0.300\n"
                           "HEIGHT=0.400\nBRUSHSTYLE=CROSS\nCOLOR=255\n"),
        ("Carry-over brush", finish([line("LABELITEM", "RECTANGLE"), line("TOP", "0.1"),
                                     line("LEFT", "0.1"), line("WIDTH", "0.5"),
                                     line("HEIGHT", "0.3"), line("BRUSHSTYLE", "CROSS"),
                                     line("LABELITEM", "ELLIPSE"), line("TOP", "0.5"),
                                     line("LABELITEM", "ROUNDRECTANGLE")])),
        ("Counter asks", finish([line("LABELITEM", "COUNTER"), line("TOP", "0.1"),
                                 line("LEFT", "0.1"), line("STARTINGNUMBER", "-1"),
                                 line("REPEATEACH", "3")])),
        ("Symbol code 0", finish([line("LABELITEM", "SYMBOL"), line("TOP", "0.1"),
                                  line("LEFT", "0.1"), line("FONTSIZE", "24"),
                                  line("ASCIICHAR", "0")])),
        ("Symbol code 300", finish([line("LABELITEM", "SYMBOL"), line("ASCIICHAR", "300"),
                                    line("FONTSIZE", "20")])),
        ("Two counters", finish(text_item(random.Random(7), True) +
                                text_item(random.Random(8), True))),
        ("Bad integer midway", finish([line("LABELITEM", "ELLIPSE"), line("TOP", "0.1"),
                                       line("LABELITEM", "TEXT"), line("TEXT", "lost"),
                                       line("FONTSIZE", "ten"),
                                       line("LABELITEM", "RECTANGLE")])),
        ("Bad distance midway", finish([line("LABELITEM", "HORIZONTALLINE"),
                                        line("WIDTH", "1.5"), line("LABELITEM", "TEXT"),
                                        line("TOP", "1,5")])),
        ("Bad symbology", finish([line("LABELITEM", "BARCODE"), line("SYMBOLOGY", "CODE128"),
                                  line("DATA", "ok"), line("LABELITEM", "BARCODE"),
                                  line("SYMBOLOGY", "CODE999")])),
        ("Empty line midway", "LABELITEM=TEXT\r\nTEXT=shown\r\n\r\nLABELITEM=TEXT\r\n"
                              "TEXT=never read\r\n"),
        ("Unknown kinds only", finish(unknown_item(random.Random(1)) +
                                      unknown_item(random.Random(2)))),
        ("Unknown kind first", finish(unknown_item(random.Random(3)) +
                                      shape_item(random.Random(4), "RECTANGLE"))),
        ("Huge values", finish([line("LABELITEM", "RECTANGLE"), line("TOP", "-5"),
                                line("LEFT", "-3"), line("WIDTH", "40"), line("HEIGHT", "30"),
                                line("LINETHICKNESS", "40")])),
        ("Keys lower case", "labelitem=TEXT\r\nLABELITEM=TEXT\r\ntext=no\r\nTEXT=yes\r\n"),
        ("Value with CR only", "LABELITEM=TEXT\rTEXT=after CR\rTOP=0.5\r\n"),
        ("NOTHING midway", finish([line("LABELITEM", "TEXT"), line("TEXT", "one"),
                                   line("NOTHING", "NOTHING"), line("LABELITEM", "TEXT"),
                                   line("TEXT", "two")])),
        ("Very long text", finish([line("LABELITEM", "TEXT"), line("TEXT", "0123456789" * 300),
                                   line("FONTSIZE", "8")])),
        ("Every brush", finish(sum(([line("LABELITEM", "RECTANGLE"),
                                     line("TOP", f"{i * 0.1:.3f}"), line("LEFT", "0.100"),
                                     line("WIDTH", "0.800"), line("HEIGHT", "0.090"),
                                     line("BRUSHSTYLE", b), line("COLOR", "255"),
                                     line("LINETHICKNESS", "1"), line("LINECOLOR", "0")]
                                    for i, b in enumerate(BRUSHES)), []))),
        ("Every symbology", finish(sum(([line("LABELITEM", "BARCODE"),
                                         line("TOP", f"{(i // 3) * 0.5:.3f}"),
                                         line("LEFT", f"{(i % 3) * 0.9:.3f}"),
                                         line("WIDTH", "0.850"), line("HEIGHT", "0.450"),
                                         line("SYMBOLOGY", s), line("DATA", d),
                                         line("SHOWTEXT", "Y"), line("COLOR", "0"),
                                         line("BACKGROUND", "16777215")]
                                        for i, (s, d) in enumerate(SYMBOLOGIES[:12])), []))),
    ]
    return labels


def write_bmp(path, width, height, pixel):
    """A 24-bit bottom-up Windows bitmap."""
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height):
        line_bytes = bytearray()
        for x in range(width):
            line_bytes += bytes(pixel(x, y))
        line_bytes += b"\0" * (row - len(line_bytes))
        data += line_bytes
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 3780, 3780, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def main():
    write_bmp(os.path.join(HERE, "stripes.bmp"), 48, 24,
              lambda x, y: (255, 0, 0) if (x // 4) % 2 else (0, 200, 255))
    write_bmp(os.path.join(HERE, "dots.bmp"), 30, 30,
              lambda x, y: (0, 0, 0) if (x % 6 < 3 and y % 6 < 3) else (255, 255, 255))

    rnd = random.Random(20240522)
    labels = []
    for description, objects in hand_made():
        template, geo = geometry(rnd, len(labels))
        labels.append({"description": description, "templateName": template,
                       "geometry": geo, "objects": objects})
    # Every kind alone, several times over, then mixtures.
    index = 0
    for kind in KINDS:
        for n in range(12):
            lines = []
            for _ in range(rnd.randint(1, 4)):
                lines += distort(rnd, item(rnd, kind))
            template, geo = geometry(rnd, len(labels))
            labels.append({"description": f"{kind.title()} {n + 1:02d}", "templateName": template,
                           "geometry": geo, "objects": finish(lines)})
    for n in range(120):
        lines = []
        for _ in range(rnd.randint(0, 12)):
            kind = rnd.choice(KINDS + ["UNKNOWN"] if rnd.random() < 0.1 else KINDS)
            lines += distort(rnd, item(rnd, kind))
        template, geo = geometry(rnd, len(labels))
        labels.append({"description": f"Mixture {n + 1:03d}", "templateName": template,
                       "geometry": geo, "objects": finish(lines)})
        index += 1
    with open(os.path.join(HERE, "labels.json"), "w", encoding="utf-8") as f:
        json.dump(labels, f, ensure_ascii=False, indent=1)
        f.write("\n")
    print(f"{len(labels)} labels")


if __name__ == "__main__":
    main()
