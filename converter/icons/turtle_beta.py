#!/usr/bin/env python3
"""Draws the program icon of the beta 1.4 build: two 32 by 32 images in one
icon, a 256-colour turtle seen from above and a 16-colour one of green
strokes over a dark red outline. Writes ../builds/beta14/velmora.ico and
turtle_beta.png, a preview of both images side by side.

Run from this folder: python3 turtle_beta.py
"""
import struct
import zlib

# Seen from above: head at the top, four legs, the tail at the bottom.
VON_OBEN = [
    "................................",
    "..............kkkk..............",
    ".............kSSSSk.............",
    "............kSWkkWSk............",
    "............kSSSSSSk............",
    ".............kSSSSk.............",
    "......kkk.....kSSk.....kkk......",
    ".....kSSSk..kkkkkkkk..kSSSk.....",
    ".....kSSSSkkGGgggggGkkSSSSk.....",
    "......kSSkGGgGGGGGGgGGkSSk......",
    ".......kkGGgGGGggGGGgGGkk.......",
    "........kGgGGGgGGgGGGgGk........",
    ".......kGGgGGgGGGGgGGgGGk.......",
    ".......kGgggggGGGGgggggGk.......",
    ".......kGGgGGgGGGGgGGgGGk.......",
    ".......kGGgGGGggggGGGgGGk.......",
    ".......kGGgGGGgGGgGGGgGGk.......",
    ".......kGgggggGGGGgggggGk.......",
    ".......kGGgGGgGGGGgGGgGGk.......",
    "........kGgGGGgGGgGGGgGk........",
    ".......kkGGgGGGggGGGgGGkk.......",
    "......kSSkGGgGGGGGGgGGkSSk......",
    ".....kSSSSkkGGgggggGkkSSSSk.....",
    ".....kSSSk..kkkkkkkk..kSSSk.....",
    "......kkk.....kSSk.....kkk......",
    "...............kk...............",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
]

# Green strokes over a dark red outline, in the 16 standard colours.
STRICHE = [
    "................................",
    "..............RRRR..............",
    ".............R.gg.R.............",
    "............R.gggg.R............",
    ".............R.gg.R.............",
    "......RRR.....R..R.....RRR......",
    ".....R.g.R..RRRRRRRR..R.g.R.....",
    ".....R.gg.RR........RR.gg.R.....",
    "......R..R..gg....gg..R..R......",
    ".......RR..g..gggg..g..RR.......",
    "........R.g..g....g..g.R........",
    ".......R.g..g......g..g.R.......",
    ".......R.g.g..gggg..g.g.R.......",
    ".......R.g.g.g....g.g.g.R.......",
    ".......R.g.g.g....g.g.g.R.......",
    ".......R.g.g..gggg..g.g.R.......",
    ".......R.g..g......g..g.R.......",
    "........R.g..g....g..g.R........",
    ".......RR..g..gggg..g..RR.......",
    "......R..R..gg....gg..R..R......",
    ".....R.gg.RR........RR.gg.R.....",
    ".....R.g.R..RRRRRRRR..R.g.R.....",
    "......RRR.....R..R.....RRR......",
    "...............RR...............",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
]

FARBEN_256 = {
    "G": (60, 170, 60),    # shell
    "g": (25, 110, 35),    # shell plates
    "S": (150, 200, 90),   # skin
    "k": (20, 40, 20),     # outline
    "W": (255, 255, 255),  # eyes
}
# The first colours of the standard 16-colour palette that the image uses.
PALETTE_16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0)] + [(0, 0, 0)] * 13
ZEICHEN_16 = {"R": 1, "g": 2}
GROESSE = 32


def maske(bild):
    daten = bytearray()
    for y in reversed(range(GROESSE)):
        bits = 0
        for x in range(GROESSE):
            if bild[y][x] == ".":
                bits |= 1 << (GROESSE - 1 - x)
        daten += struct.pack(">I", bits)
    return bytes(daten)


def kopf(bits, farben, groesse_daten):
    return struct.pack("<IiiHHIIiiII", 40, GROESSE, 2 * GROESSE, 1, bits, 0,
                       groesse_daten, 0, 0, farben, 0)


def bild_256():
    palette = [(0, 0, 0)] + list(FARBEN_256.values())
    index = {z: i + 1 for i, z in enumerate(FARBEN_256)}
    pixel = bytearray()
    for y in reversed(range(GROESSE)):
        for x in range(GROESSE):
            pixel.append(index.get(VON_OBEN[y][x], 0))
    palette += [(0, 0, 0)] * (256 - len(palette))
    tabelle = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    daten = bytes(pixel) + maske(VON_OBEN)
    return kopf(8, 256, len(daten)) + tabelle + daten


def bild_16():
    pixel = bytearray()
    for y in reversed(range(GROESSE)):
        for x in range(0, GROESSE, 2):
            hoch = ZEICHEN_16.get(STRICHE[y][x], 0)
            tief = ZEICHEN_16.get(STRICHE[y][x + 1], 0)
            pixel.append(hoch << 4 | tief)
    tabelle = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE_16)
    daten = bytes(pixel) + maske(STRICHE)
    return kopf(4, 16, len(daten)) + tabelle + daten


def ico_daten():
    bilder = [(16, 4, bild_16()), (0, 8, bild_256())]  # colour count 0 means 256
    verzeichnis = struct.pack("<HHH", 0, 1, len(bilder))
    versatz = 6 + 16 * len(bilder)
    eintraege = b""
    for farben, bits, bild in bilder:
        eintraege += struct.pack("<BBBBHHII", GROESSE, GROESSE, farben, 0, 1, bits, len(bild),
                                 versatz)
        versatz += len(bild)
    return verzeichnis + eintraege + b"".join(bild for _, _, bild in bilder)


def png_daten(massstab=4):
    def farbe(bild, farben, x, y):
        z = bild[y][x]
        return None if z == "." else farben[z]
    farben16 = {"R": PALETTE_16[1], "g": PALETTE_16[2]}
    breite = 2 * GROESSE * massstab + massstab
    zeilen = bytearray()
    for y in range(GROESSE * massstab):
        zeilen.append(0)
        for x in range(breite):
            bx, by = x // massstab, y // massstab
            if bx < GROESSE:
                p = farbe(VON_OBEN, FARBEN_256, bx, by)
            elif bx > GROESSE:
                p = farbe(STRICHE, farben16, bx - GROESSE - 1, by)
            else:
                p = None
            zeilen += bytes(p + (255,)) if p else bytes((0, 0, 0, 0))

    def block(art, daten):
        return (struct.pack(">I", len(daten)) + art + daten
                + struct.pack(">I", zlib.crc32(art + daten) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n"
            + block(b"IHDR", struct.pack(">IIBBBBB", breite, GROESSE * massstab, 8, 6, 0, 0, 0))
            + block(b"IDAT", zlib.compress(bytes(zeilen)))
            + block(b"IEND", b""))


if __name__ == "__main__":
    for bild in (VON_OBEN, STRICHE):
        assert len(bild) == GROESSE and all(len(z) == GROESSE for z in bild)
    with open("../builds/beta14/velmora.ico", "wb") as datei:
        datei.write(ico_daten())
    with open("turtle_beta.png", "wb") as datei:
        datei.write(png_daten())
