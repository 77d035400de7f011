#!/usr/bin/python3
"""Builds Vantry's NFO faces from the VGA console bitmaps.

fdata.nf  - a TrueType collection: "ASCII VGA" (8x16 cells), "ASCII EGA" (8x14),
            "ASCII VGA 1252" and "ASCII EGA 1252"
tfdata.nf - a TrueType collection of the printer faces (the 8x16 shapes): "ASCII" and
            "ASCII 1252"

Each glyph is the pixel outline of the bitmap, so the faces draw crisp cells at their
design height. The plain faces draw real Unicode: every character of code page 437
(box drawing, blocks, the Greek and mathematical signs, the accented letters) at its own
code point with its own shape, and everything else the console fonts give. NFO files
decoded from code page 437 therefore draw right on any system and copy as real text.
The "1252" faces are for text that was decoded with code page 1252 instead: there the
character that 1252 gives a byte is drawn with the shape 437 gives the same byte (byte
0xDB arrives as U+00DB and draws a full block). In every face the control characters
U+0001-U+001F (but tab, LF and CR) and U+007F draw the symbols DOS drew for them.

Usage: make_fonts.py OUTPUT_DIR   (needs python3-fonttools and console-setup-linux)
The output is deterministic: rerunning gives the same bytes.
"""
import gzip
import struct
import sys
from pathlib import Path

from fontTools.agl import UV2AGL
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import newTable
from fontTools.ttLib.tables import ttProgram
from fontTools.ttLib.tables.O_S_2f_2 import Panose
from fontTools.ttLib.ttCollection import TTCollection

CONSOLE_FONTS = Path("/usr/share/consolefonts")
UNITS_PER_PIXEL = 64
CELL_WIDTH = 8
FIXED_TIMESTAMP = 3786825600  # 2024-01-01, seconds since 1904: keeps the output stable

# The shapes the DOS screen drew at the control bytes. A decoder may keep such a byte as
# the control character of the same value, so the faces draw the shape there too. Tab,
# LF and CR keep their meaning.
CP437_CONTROL_SHAPES = "\u0000☺☻♥♦♣♠•◘○◙♂♀♪♫☼►◄↕‼¶§▬↨↑↓→←∟↔▲▼"
KEPT_CONTROLS = {0x00, 0x09, 0x0A, 0x0D}
DELETE_SHAPE = 0x2302  # ⌂, drawn at byte 0x7F


def cp437_characters():
    """The 256 characters of code page 437, by byte: the DOS symbols at the control bytes."""
    controls = [b if b in KEPT_CONTROLS else ord(CP437_CONTROL_SHAPES[b]) for b in range(0x20)]
    high = [ord(bytes([b]).decode("cp437")) for b in range(0x80, 0x100)]
    return controls + list(range(0x20, 0x7F)) + [DELETE_SHAPE] + high


def read_psf1(name):
    """Returns (height, {code point: rows}) of a PSF1 console font with a Unicode table."""
    data = gzip.decompress((CONSOLE_FONTS / name).read_bytes())
    magic, mode, height = struct.unpack_from("<HBB", data)
    if magic != 0x0436 or not mode & 0x02:
        raise SystemExit(f"{name}: not a PSF1 font with a Unicode table")
    count = 512 if mode & 0x01 else 256
    glyphs = [data[4 + i * height: 4 + (i + 1) * height] for i in range(count)]
    table, offset = {}, 4 + count * height
    for index in range(count):
        in_sequence = False
        while True:
            (unit,) = struct.unpack_from("<H", data, offset)
            offset += 2
            if unit == 0xFFFF:
                break
            if unit == 0xFFFE:
                in_sequence = True  # combining sequences are not single characters
            elif not in_sequence:
                table.setdefault(unit, glyphs[index])
    return height, table


def console_face(height, taller=None):
    """The VGA shapes of one height: Uni2 for the letters, FullGreek (the same VGA
    source, complete in the code page 437 set) for the box drawing, which Uni2 only
    approximates with single lines, and for whatever else Uni2 lacks. The 14-row set
    lacks a few 437 signs (₧ ⌐ ∞ ∩ ≡); most characters share their top 14 rows with
    the 16-row set, so those rows of the taller shapes stand in when the rest is empty."""
    _, table = read_psf1(f"Uni2-VGA{height}.psf.gz")
    _, full = read_psf1(f"FullGreek-VGA{height}.psf.gz")
    table.update({cp: rows for cp, rows in full.items() if 0x2500 <= cp <= 0x257F})
    for cp, rows in full.items():
        table.setdefault(cp, rows)
    for wanted, alias in ((0x25BA, 0x25B6), (0x25C4, 0x25C0)):  # the pointers as triangles
        if wanted not in table and alias in table:
            table[wanted] = table[alias]
    for cp in cp437_characters():
        if cp and cp not in table and taller and cp in taller and not any(taller[cp][height:]):
            table[cp] = taller[cp][:height]
    return height, table


def block_rows(height, left, top, right, bottom):
    """Rows of a filled rectangle given in eighths of the cell (0..8)."""
    rows = []
    for y in range(height):
        inside_y = top * height <= y * 8 < bottom * height
        bits = 0
        for x in range(CELL_WIDTH):
            if inside_y and left * CELL_WIDTH <= x * 8 < right * CELL_WIDTH:
                bits |= 0x80 >> x
        rows.append(bits)
    return bytes(rows)


def shade_rows(height, even, odd):
    return bytes(even if y % 2 == 0 else odd for y in range(height))


def geometric_blocks(height):
    """U+2580-U+259F drawn from their definition: the console fonts lack some of them."""
    shapes = {
        0x2580: (0, 0, 8, 4),  # upper half
        0x2588: (0, 0, 8, 8),  # full block
        0x258C: (0, 0, 4, 8),  # left half
        0x2590: (4, 0, 8, 8),  # right half
        0x2594: (0, 0, 8, 1),  # upper eighth
        0x2595: (7, 0, 8, 8),  # right eighth
    }
    for eighths in range(1, 8):
        shapes[0x2580 + eighths] = (0, 8 - eighths, 8, 8)  # lower 1/8 .. 7/8
        shapes[0x2590 - eighths] = (0, 0, eighths, 8)  # left 7/8 .. 1/8 (0x2589..0x258F)
    blocks = {cp: block_rows(height, *box) for cp, box in shapes.items()}
    blocks[0x2591] = shade_rows(height, 0x88, 0x22)  # light shade, 25 %
    blocks[0x2592] = shade_rows(height, 0xAA, 0x55)  # medium shade, 50 %
    blocks[0x2593] = shade_rows(height, 0xDD, 0x77)  # dark shade, 75 %
    quadrants = {"ul": (0, 0, 4, 4), "ur": (4, 0, 8, 4), "ll": (0, 4, 4, 8), "lr": (4, 4, 8, 8)}
    for cp, parts in {0x2596: "ll", 0x2597: "lr", 0x2598: "ul", 0x2599: "ul ll lr",
                      0x259A: "ul lr", 0x259B: "ul ur ll", 0x259C: "ul ur lr",
                      0x259D: "ur", 0x259E: "ur ll", 0x259F: "ur ll lr"}.items():
        rows = bytearray(height)
        for part in parts.split():
            for y, bits in enumerate(block_rows(height, *quadrants[part])):
                rows[y] |= bits
        blocks[cp] = bytes(rows)
    return blocks


def character_map(height, table, ansi_positions):
    """{code point: rows} for every character the face draws. With ansi_positions, each
    character that code page 1252 gives a byte takes the shape 437 gives that byte."""
    chars = dict(table)
    chars.update(geometric_blocks(height))
    symbols = cp437_characters()
    for byte in list(range(0x01, 0x20)) + [0x7F]:
        if byte not in KEPT_CONTROLS and symbols[byte] in chars:
            chars[byte] = chars[symbols[byte]]
    missing = [f"U+{cp:04X}" for cp in symbols if cp not in chars and cp not in KEPT_CONTROLS]
    if missing:
        raise SystemExit(f"the {height}-row shapes lack {' '.join(missing)} of code page 437")
    if ansi_positions:
        for byte in range(0x80, 0x100):
            try:
                code_point = ord(bytes([byte]).decode("cp1252"))
            except UnicodeDecodeError:
                code_point = byte  # Windows decodes the five unassigned 1252 bytes to U+0080..U+009F
            chars[code_point] = chars[symbols[byte]]
    chars.pop(0, None)
    return chars


def outline(rows, height, ascent_pixels):
    """TrueType glyph: one rectangle per vertical stack of identical pixel runs."""
    pen = TTGlyphPen(None)
    open_boxes = {}  # (x0, x1) -> top row of a box still growing downwards

    def close(run, top, bottom):
        x0, x1 = (v * UNITS_PER_PIXEL for v in run)
        y_top = (ascent_pixels - top) * UNITS_PER_PIXEL
        y_bottom = (ascent_pixels - bottom) * UNITS_PER_PIXEL
        pen.moveTo((x0, y_bottom))
        pen.lineTo((x0, y_top))
        pen.lineTo((x1, y_top))
        pen.lineTo((x1, y_bottom))
        pen.closePath()

    for y in range(height + 1):
        bits = rows[y] if y < height else 0
        runs, x = set(), 0
        while x < CELL_WIDTH:
            if bits & (0x80 >> x):
                start = x
                while x < CELL_WIDTH and bits & (0x80 >> x):
                    x += 1
                runs.add((start, x))
            else:
                x += 1
        for run in sorted(set(open_boxes) - runs):
            close(run, open_boxes.pop(run), y)
        for run in sorted(runs - set(open_boxes)):
            open_boxes[run] = y
    return pen.glyph()


def glyph_name(code_point):
    """The standard name of a character's glyph, so that printed text can be searched and
    copied: a PDF reader maps glyphs back to characters by these names."""
    return UV2AGL.get(code_point) or (f"uni{code_point:04X}" if code_point <= 0xFFFF else f"u{code_point:05X}")


def face_pair(height, table):
    """(glyph shapes, [(names, cmap) of the plain face, of the 1252 face]). Both faces
    hold the same shapes in the same order, so that a collection stores their outlines
    once; the 1252 face only puts some of them at other characters. A shape that several
    characters draw is named after the first of them in its face, a control character
    last; a shape the 1252 face does not reach keeps its plain name with ".alt" (names
    are unique within a face)."""
    faces = []
    for ansi_positions in (False, True):
        chars = character_map(height, table, ansi_positions)
        names, cmap = {}, {0x20: "space", 0xA0: "space"}
        for code_point in sorted(chars, key=lambda cp: (cp < 0x20 or cp == 0x7F, cp)):
            if code_point not in cmap:
                cmap[code_point] = names.setdefault(chars[code_point], glyph_name(code_point))
        faces.append((names, cmap))
    plain_names = faces[0][0]
    if set(faces[1][0]) - set(plain_names):
        raise SystemExit("the 1252 face draws a shape the plain face lacks")
    shapes = list(plain_names)  # in the order of their first character
    return shapes, [([names.get(rows) or plain_names[rows] + ".alt" for rows in shapes], cmap)
                    for names, cmap in faces]


def build_face(family, height, ascent_pixels, shapes, shape_names, cmap):
    em = height * UNITS_PER_PIXEL
    advance = CELL_WIDTH * UNITS_PER_PIXEL
    ascent, descent = ascent_pixels * UNITS_PER_PIXEL, (height - ascent_pixels) * UNITS_PER_PIXEL

    glyph_names = [".notdef", "space"] + shape_names
    glyphs = {".notdef": outline(block_rows(height, 1, 1, 7, 7), height, ascent_pixels),
              "space": TTGlyphPen(None).glyph()}
    glyphs.update((name, outline(rows, height, ascent_pixels)) for name, rows in zip(shape_names, shapes))

    builder = FontBuilder(em, isTTF=True)
    builder.setupGlyphOrder(glyph_names)
    builder.setupCharacterMap(cmap)
    builder.setupGlyf(glyphs)
    for glyph in glyphs.values():
        glyph.recalcBounds(builder.font["glyf"])
    # TrueType places a glyph by its left side bearing: it must be the outline's own
    # left edge, or the rasteriser moves every shape to the left of its cell.
    left_edges = {name: getattr(glyphs[name], "xMin", 0) if glyphs[name].numberOfContours else 0
                  for name in glyph_names}
    builder.setupHorizontalMetrics({name: (advance, left_edges[name]) for name in glyph_names})
    builder.setupHorizontalHeader(ascent=ascent, descent=-descent, lineGap=0)
    builder.setupNameTable({
        "copyright": "Glyph bitmaps: Copyright (c) 2000, 2001 by Dmitry Bolkhovityanov "
                     "(MIT licence, see res/fonts/LICENSE).",
        "familyName": family, "styleName": "Regular", "uniqueFontIdentifier": f"Vantry {family}",
        "fullName": family, "version": "Version 1.0", "psName": family.replace(" ", "-"),
    })
    builder.setupOS2(
        sTypoAscender=ascent, sTypoDescender=-descent, sTypoLineGap=0,
        usWinAscent=ascent, usWinDescent=descent, xAvgCharWidth=advance,
        fsSelection=0x40, achVendID="VNTR", usWeightClass=400,
        # Latin 1 in the code-page ranges: without it GDI will not pick the face for
        # ANSI_CHARSET; code page 437 marks the shapes as what they are.
        ulCodePageRange1=0x00000001, ulCodePageRange2=0x80000000,
        ulUnicodeRange1=0x00000003, ulUnicodeRange2=0x00000000,
    )
    panose = Panose()
    for field in ("bSerifStyle", "bWeight", "bContrast", "bStrokeVariation", "bArmStyle",
                  "bLetterForm", "bMidline", "bXHeight"):
        setattr(panose, field, 0)
    panose.bFamilyType, panose.bProportion = 2, 9  # text face, monospaced
    builder.font["OS/2"].panose = panose
    builder.setupPost(isFixedPitch=1, underlinePosition=-descent // 2, underlineThickness=UNITS_PER_PIXEL)
    builder.setupHead(unitsPerEm=em)
    font = builder.font
    font["head"].created = font["head"].modified = FIXED_TIMESTAMP
    font.recalcTimestamp = False
    # A control-value program that only turns on dropout control. FreeType (Wine's
    # rasteriser) takes a font without instructions for an unhinted one and runs its
    # auto-hinter, which moves the edges of a shape by the characters that reach it (the
    # box drawing lost its bottom row at U+2554 but not at U+00C9); with a program it
    # scales the outlines onto the pixel grid as Windows does.
    prep = newTable("prep")
    prep.program = ttProgram.Program()
    prep.program.fromAssembly(["PUSHW[ ]", "511", "SCANCTRL[ ]", "PUSHB[ ]", "4", "SCANTYPE[ ]"])
    font["prep"] = prep
    font["maxp"].maxSizeOfInstructions = len(prep.program.getBytecode())
    return font


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    vga_height, vga = console_face(16)
    ega_height, ega = console_face(14, taller=vga)

    def faces(families, height, ascent_pixels, table):
        shapes, pair = face_pair(height, table)
        return [build_face(family, height, ascent_pixels, shapes, names, cmap)
                for family, (names, cmap) in zip(families, pair)]

    def save_collection(fonts, name):
        collection = TTCollection()
        collection.fonts = fonts
        collection.save(str(out / name))

    vga_faces = faces(("ASCII VGA", "ASCII VGA 1252"), vga_height, 12, vga)
    ega_faces = faces(("ASCII EGA", "ASCII EGA 1252"), ega_height, 11, ega)
    save_collection([vga_faces[0], ega_faces[0], vga_faces[1], ega_faces[1]], "fdata.nf")
    save_collection(faces(("ASCII", "ASCII 1252"), vga_height, 12, vga), "tfdata.nf")


if __name__ == "__main__":
    main()
