#!/usr/bin/env python3
"""zorbel's and the check's error cases, one file a case (fehlerfaelle/*.fall).
Its first line: the shell commands of the case, the programs by their names
(zorbel, definitionspruefer). Then sections, each from a line "%% NAME" to the
next: the files that the case's folder holds before ("umrechnungen.conf",
"NAME/" a directory) and what the commands must answer: "ausgabe" (standard
output), "fehler" (standard error) and "code" (the last exit code); a case with a
section "nur_nativ" is not run with an emulator. A section's last line feed
is its own, unless its line reads "%%- NAME". The commands run where an old
umrechnungen.h stands, which a failed run leaves; $ZORBEL is zorbel's path,
and `als_benutzer COMMAND` runs a command as a user who is not root.
Usage: fehlerfaelle.py FOLDER [EMULATOR ...]: the programs in FOLDER, or with
an emulator the .exe files there, their Windows paths named as the program.
"""
import os
import pathlib
import subprocess
import sys
import tempfile

PROGRAMME = ("zorbel", "definitionspruefer")
ALS_BENUTZER = """als_benutzer() {
  [ "$(id -u)" != 0 ] && { "$@"; return; }
  chown -hR 65534:65534 . && chmod o+x .. && setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
}
"""


def abschnitte(text):
    kopf, _, rest = text.rstrip(b"\n").partition(b"\n")
    teile = {}
    for stueck in (b"\n" + rest).split(b"\n%%")[1:]:
        marke, zeilenende, inhalt = stueck.partition(b"\n")
        eigen = not marke.startswith(b"-")
        teile[marke.lstrip(b"- ").decode()] = inhalt + (b"\n" if zeilenende and eigen else b"")
    return kopf.decode(), teile


def laufen(kopf, teile, ordner, emulator):
    with tempfile.TemporaryDirectory() as arbeit:
        arbeit = pathlib.Path(arbeit)
        (arbeit / "umrechnungen.h").write_bytes(b"alt")
        for name, inhalt in teile.items():
            if name.endswith("/"):
                (arbeit / name).mkdir()
            elif name not in ("ausgabe", "fehler", "code", "nur_nativ"):
                (arbeit / name).write_bytes(inhalt)
        namen = {p: str(ordner / p) for p in PROGRAMME}
        if emulator:
            namen = {p: str(ordner / (p + ".exe")) for p in PROGRAMME}
        befehle = "".join(f'{p}() {{ {" ".join(emulator)} "{namen[p]}" "$@"; }}\n'
                          for p in PROGRAMME) + ALS_BENUTZER + kopf
        umgebung = dict(os.environ, ZORBEL=namen["zorbel"])
        lauf = subprocess.run(["sh", "-c", befehle], cwd=arbeit, env=umgebung, capture_output=True)
        fehler = lauf.stderr
        for p, pfad in namen.items():
            windows = "Z:" + pfad.replace("/", "\\") if emulator else pfad
            fehler = fehler.replace(windows.encode(), p.encode())
        alt = (arbeit / "umrechnungen.h").read_bytes() == b"alt" if lauf.returncode else True
        return {"ausgabe": lauf.stdout, "fehler": fehler,
                "code": b"%d\n" % lauf.returncode}, alt


def main():
    ordner, emulator = pathlib.Path(sys.argv[1]).resolve(), sys.argv[2:]
    faelle = [abschnitte(f.read_bytes()) + (f,)
              for f in sorted(pathlib.Path(__file__).parent.glob("fehlerfaelle/*.fall"))]
    faelle = [f for f in faelle if not (emulator and "nur_nativ" in f[1])]
    schlecht = 0
    for kopf, teile, fall in faelle:
        ist, alt = laufen(kopf, teile, ordner, emulator)
        falsch = [n for n in ist if ist[n] != teile.get(n, b"")] + ([] if alt else ["umrechnungen.h"])
        for name in falsch:
            print(f"{fall.name}: {name} differs:\n  is:        {ist.get(name)!r}\n"
                  f"  should be: {teile.get(name)!r}")
        schlecht += bool(falsch)
    print(f"{len(faelle) - schlecht} passed, {schlecht} failed")
    return 1 if schlecht or not faelle else 0


if __name__ == "__main__":
    sys.exit(main())
