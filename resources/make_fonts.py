#!/usr/bin/python3
"""Writes fonts/NumoriaSong.ttf and fonts/NumoriaRound.ttf: small subsets of
Noto Serif CJK SC Regular and Noto Sans CJK SC Regular (Debian fonts-noto-cjk)
holding only the characters of the window's fixed texts and outputs.

Opening a full CJK font collection at start-up costs several MiB and tens of
milliseconds; these subsets cost almost nothing. Characters they lack (anything
the user types) still come from the installed faces, which the program names
as their fallbacks. Advances and layout tables are kept as they are; the cubic
(CFF) outlines become quadratic TrueType ones, within a thousandth of an em,
because FreeType reads those several times faster: with CFF outlines, loading
the window's glyphs was the largest single cost of drawing its first frame.
The program draws them unhinted (the CFF hints do not carry over). Only the
family names, the line and the ASCII widths are our own: the names as the
SIL Open Font Licence asks of modified versions; the line one em high and
ASCII half an em wide, as the window's 12 px font has them (a 12 px line, a
Latin character 6 px), where the faces' own line of 1.44 em would not fit
the window's 18 px text boxes and their proportional digits not its labels.

Needs python3-fonttools (Debian). Run by hand; the output is checked in:
    resources/make_fonts.py
"""

import os
import re

from fontTools import subset
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable

HERE = os.path.dirname(os.path.abspath(__file__))
NOTO = "/usr/share/fonts/opentype/noto"
# (collection, its face we take, our family, our PostScript name, file)
FACES = (
    ("NotoSerifCJK-Regular.ttc", "Noto Serif CJK SC", "Numoria Song", "NumoriaSong-Regular",
     "NumoriaSong.ttf"),
    ("NotoSansCJK-Regular.ttc", "Noto Sans CJK SC", "Numoria Round", "NumoriaRound-Regular",
     "NumoriaRound.ttf"),
)

# Texts the program writes itself, beyond the captions of the window.
OUTPUTS = (
    "零壹贰叁肆伍陆柒捌玖拾佰仟万亿元角分整",
    "计算结果为: 公式有错误 金额格式有误 金额超出范围 请输入正确的原价 折 元",
    "运行时错误 此操作产生如下错误： 溢出 除数为零 类型不匹配 无效的过程调用或参数",
    # The clock in a Chinese locale: date, morning/afternoon, weekday.
    "年月日时分秒上午下午星期一二三四五六日",
)


def window_captions():
    """Every string literal of the window description."""
    path = os.path.join(HERE, "..", "app", "window_description.cpp")
    with open(path, encoding="utf-8") as source:
        return "".join(re.findall(r'u"([^"]*)"', source.read()))


def characters():
    # Printable ASCII and the Latin-1 letters as well: with them fontconfig
    # counts the subsets as Latin faces, and Qt then draws the window's Latin
    # and Chinese texts with one font engine instead of one for each script.
    latin = "".join(map(chr, range(0x20, 0x7F))) + "".join(map(chr, range(0xA0, 0x100)))
    text = window_captions() + "".join(OUTPUTS) + latin
    return sorted({ord(c) for c in text if c not in "\r\n"})


def texts_top(font):
    """The highest ink of the window's own texts, in font units."""
    cmap = font.getBestCmap()
    glyf = font["glyf"]
    shown = {ord(c) for c in window_captions() + "".join(OUTPUTS)} & cmap.keys()
    inked = [glyf[cmap[c]] for c in shown if glyf[cmap[c]].numberOfContours != 0]
    for glyph in inked:
        glyph.recalcBounds(glyf)
    return max(glyph.yMax for glyph in inked)


def set_line(font):
    """A line of one em with no gap, its top at the top of the window's
    texts: their Chinese characters lie whole within it. Latin descenders
    reach about a quarter em below, into the room a text box leaves around
    its line. Every table a font reader takes the line from says the same."""
    em = font["head"].unitsPerEm
    ascent = texts_top(font)
    descent = em - ascent
    hhea = font["hhea"]
    hhea.ascent, hhea.descent, hhea.lineGap = ascent, -descent, 0
    os2 = font["OS/2"]
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = ascent, -descent, 0
    os2.usWinAscent, os2.usWinDescent = ascent, descent


def half_width_ascii(font):
    """Points the character map of printable ASCII at the face's half-width
    forms (its 'hwid' feature): half an em each, as the window's Song face
    has them, where the face's own Latin letters and digits are proportional
    (a digit is 0.56 em, so a 16-digit amount would not fit its label)."""
    gsub = font["GSUB"].table
    half = {}
    for record in gsub.FeatureList.FeatureRecord:
        if record.FeatureTag != "hwid":
            continue
        for index in record.Feature.LookupListIndex:
            for table in gsub.LookupList.Lookup[index].SubTable:
                half.update(getattr(table, "ExtSubTable", table).mapping)
    for table in font["cmap"].tables:
        if table.isUnicode() and table.format != 14:
            for code in range(0x20, 0x7F):
                if code in table.cmap:
                    table.cmap[code] = half.get(table.cmap[code], table.cmap[code])


def rename(font, family, postscript):
    """Our own family name everywhere a font reader looks for one."""
    name = font["name"]
    style = name.getDebugName(2) or "Regular"
    kept = {0, 2, 5, 13, 14}
    name.names = [n for n in name.names if n.nameID in kept]
    for name_id, value in ((1, family), (3, postscript), (4, "%s %s" % (family, style)),
                           (6, postscript)):
        name.setName(value, name_id, 3, 1, 0x409)
    cff = font["CFF "].cff
    cff.fontNames = [postscript]
    top = cff.topDictIndex[0]
    top.FullName = "%s %s" % (family, style)
    top.FamilyName = family


def to_truetype(font):
    """Replaces the CFF outlines with TrueType ones (at most 1 unit of 1000
    away), in the glyph order the layout tables refer to."""
    order = font.getGlyphOrder()
    glyphs = font.getGlyphSet()
    glyf = newTable("glyf")
    glyf.glyphOrder = order
    glyf.glyphs = {}
    for name in order:
        pen = TTGlyphPen(glyphs)
        glyphs[name].draw(Cu2QuPen(pen, max_err=1.0, reverse_direction=True))
        glyf[name] = pen.glyph()
    font["glyf"] = glyf
    font["loca"] = newTable("loca")
    maxp = newTable("maxp")
    maxp.tableVersion = 0x00010000
    for field in ("maxZones", "maxTwilightPoints", "maxStorage", "maxFunctionDefs",
                  "maxInstructionDefs", "maxStackElements", "maxSizeOfInstructions",
                  "maxComponentElements"):
        setattr(maxp, field, 0)
    maxp.maxZones = 1
    font["maxp"] = maxp
    for cff_only in ("CFF ", "VORG"):
        if cff_only in font:
            del font[cff_only]
    font.sfntVersion = "\x00\x01\x00\x00"
    font["head"].glyphDataFormat = 0


def make(collection, source_family, family, postscript, file_name):
    path = os.path.join(NOTO, collection)
    index = next(i for i in range(16)
                 if TTFont(path, fontNumber=i, lazy=True)["name"].getDebugName(1) == source_family)
    font = TTFont(path, fontNumber=index, recalcTimestamp=False)  # same bytes each run
    half_width_ascii(font)
    # The default layout features hold every feature a horizontal run is
    # shaped with, so the window's texts are shaped as with the full face.
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = [0x409]
    options.notdef_outline = True
    options.hinting = False  # TrueType outlines carry none of the CFF hints
    options.recalc_bounds = False  # keep the face's own metrics
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=characters())
    subsetter.subset(font)
    rename(font, family, postscript)
    to_truetype(font)
    set_line(font)
    out = os.path.join(HERE, "fonts", file_name)
    os.makedirs(os.path.dirname(out), exist_ok=True)
    font.save(out)
    line = font["hhea"]
    print("%s: %d characters, %d bytes, line %d/%d" % (out, len(characters()), os.path.getsize(out),
                                                       line.ascent, line.descent))


def main():
    for face in FACES:
        make(*face)


if __name__ == "__main__":
    main()
