#!/usr/bin/env python3
"""Draws Velmora's icon: a cartoon turtle with a green shell and three yellow
exclamation marks above its head. Writes turtle.ico (32 by 32 pixels, 24 bits
per pixel with a transparency mask) and turtle.png, a preview.

The title bar shows the icon at 16 by 16, each pixel a blend of a square
of two by two in which a transparent pixel counts as black. The marks are
four pixels wide with gaps of two, and they and their gaps fill whole
squares (even rows and columns), so that each stays a yellow mark of its
own there.

Run from this folder: python3 turtle.py
"""
import struct
import zlib

BILD = [
    "..............YYYY..YYYY..YYYY..",
    "..............YYYY..YYYY..YYYY..",
    "..............YYYY..YYYY..YYYY..",
    "..............YYYY..YYYY..YYYY..",
    "..............YYYY..YYYY..YYYY..",
    "..............YYYY..YYYY..YYYY..",
    "..............YYYY..YYYY..YYYY..",
    "..............YYYY..YYYY..YYYY..",
    "................................",
    "................................",
    "..............YYYY..YYYY..YYYY..",
    "..............YYYY..YYYY..YYYY..",
    "........kkkkkkk.................",
    "......kkGGGGGGGkk.......kkkkk...",
    ".....kGGgGGGGGgGGk.....kSSSSSk..",
    "....kGGgggGGGgggGGk...kSSSSkWSk.",
    "...kGGGgggGGGgggGGGk..kSSSSkkSk.",
    "...kGgGGgGGgGGgGGgGk..kSSSSSSSk.",
    "..kGgggGGGgggGGGgggGk.kSSSSSSSk.",
    "..kGGgGGGGGgGGGGGgGGk.kSSrrrSk..",
    "..kGGGGGGGGGGGGGGGGGkkSSSSSSk...",
    ".kkkkkkkkkkkkkkkkkkkkkSSSSkk....",
    ".kddddddddddddddddddddkSSk......",
    "..kkSSSkkkkkkkkkkSSSkkkkk.......",
    "..kSSSSk........kSSSSk..........",
    "..kSSSSk........kSSSSk..........",
    "...kkkk..........kkkk...........",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
]

FARBEN = {
    "G": (60, 170, 60),    # shell
    "g": (25, 110, 35),    # shell plates
    "d": (150, 120, 60),   # shell rim
    "S": (150, 200, 90),   # skin
    "k": (20, 40, 20),     # outline
    "W": (255, 255, 255),  # eye highlight
    "r": (190, 60, 60),    # mouth
    "Y": (255, 220, 0),    # exclamation marks
}
GROESSE = 32


def pixel(x, y):
    zeichen = BILD[y][x]
    return None if zeichen == "." else FARBEN[zeichen]


def ico_daten():
    farbe = bytearray()
    maske = bytearray()
    for y in reversed(range(GROESSE)):  # bottom-up rows
        bits = 0
        for x in range(GROESSE):
            p = pixel(x, y)
            r, g, b = p if p else (0, 0, 0)
            farbe += bytes((b, g, r))
            if p is None:
                bits |= 1 << (GROESSE - 1 - x)
        maske += struct.pack(">I", bits)
    kopf = struct.pack("<IiiHHIIiiII", 40, GROESSE, 2 * GROESSE, 1, 24, 0,
                       len(farbe) + len(maske), 0, 0, 0, 0)
    bild = kopf + bytes(farbe) + bytes(maske)
    verzeichnis = struct.pack("<HHH", 0, 1, 1)
    eintrag = struct.pack("<BBBBHHII", GROESSE, GROESSE, 0, 0, 1, 24, len(bild), 6 + 16)
    return verzeichnis + eintrag + bild


def png_daten(massstab=4):
    zeilen = bytearray()
    for y in range(GROESSE * massstab):
        zeilen.append(0)
        for x in range(GROESSE * massstab):
            p = pixel(x // massstab, y // massstab)
            zeilen += bytes(p + (255,)) if p else bytes((0, 0, 0, 0))

    def block(art, daten):
        return (struct.pack(">I", len(daten)) + art + daten
                + struct.pack(">I", zlib.crc32(art + daten) & 0xFFFFFFFF))

    seite = GROESSE * massstab
    return (b"\x89PNG\r\n\x1a\n"
            + block(b"IHDR", struct.pack(">IIBBBBB", seite, seite, 8, 6, 0, 0, 0))
            + block(b"IDAT", zlib.compress(bytes(zeilen)))
            + block(b"IEND", b""))


if __name__ == "__main__":
    assert len(BILD) == GROESSE and all(len(z) == GROESSE for z in BILD)
    with open("turtle.ico", "wb") as datei:
        datei.write(ico_daten())
    with open("turtle.png", "wb") as datei:
        datei.write(png_daten())
