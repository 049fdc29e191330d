#!/usr/bin/env python3
"""Times zorbel's four options on definition files of growing size, against
the raw cost of the same work.

Usage: bench/zorbel_bench.py [path/to/zorbel]
Writes the definition files into bench/out/ and prints one table row per
size and option: the best wall time of three runs, peak memory (maximum
resident set size), and the raw cost of the work measured in the same run on
the same files: reading the definition file (cat to /dev/null) plus writing
a file of the output's size and flushing it to the disk (dd with
conv=fsync), as zorbel must before it replaces its output. The ratio is
zorbel's time over that raw cost; "ratio w/o flush" compares with a copy
that is not flushed (cp).
"""
import os
import subprocess
import sys
import time

OPTIONEN = [("--classes", "umrechnungen.h"), ("--functions", "umrechnungen.cpp"),
            ("--objects", "umrechnung_liste_objekte_erstellen.cpp"), ("--units", "einheiten.cpp")]
GROESSEN = [1000, 100000, 1000000]
WIEDERHOLUNGEN = 3  # the fastest of these runs counts


def definition_schreiben(pfad, anzahl):
    with open(pfad, "wb") as datei:
        datei.write(b"# Benchmark\n")
        for i in range(anzahl):
            datei.write(
                b"C Einheit%dToEinheit%d\nT %d\nP 1\nF ergebnis = basis * 1.%d;\n"
                b"Q Einheit %d\nq e%d\nZ Einheit %d\nz e%d\nE\n"
                % (i, i + 1, 50001 + i % 7, i, i, i % 5000, i + 1, (i + 1) % 5000)
            )


def messen(befehl, verzeichnis):
    """Wall time and peak memory in MB of one run of `befehl`."""
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        os.chdir(verzeichnis)
        fd = os.open(os.devnull, os.O_WRONLY)
        os.dup2(fd, 1)
        os.dup2(fd, 2)
        os.execv(befehl[0], befehl)
    _, status, nutzung = os.wait4(pid, 0)
    dauer = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("%s failed" % " ".join(befehl))
    return dauer, nutzung.ru_maxrss / 1024.0


def bestzeit(befehl, verzeichnis, danach=None):
    zeiten = []
    for _ in range(WIEDERHOLUNGEN):
        zeiten.append(messen(befehl, verzeichnis)[0])
        if danach:
            danach()
    return min(zeiten)


def rohkosten(verzeichnis, ausgabe):
    """Seconds to read the definition file plus to copy the output, with and
    without flushing the copy to the disk."""
    kopie = os.path.join(verzeichnis, "kopie")

    def weg():
        if os.path.exists(kopie):
            os.remove(kopie)

    lesen = bestzeit(["/bin/cat", "umrechnungen.conf"], verzeichnis)
    mit = bestzeit(["/bin/dd", "if=" + ausgabe, "of=kopie", "bs=1M", "conv=fsync"],
                   verzeichnis, weg)
    ohne = bestzeit(["/bin/cp", ausgabe, "kopie"], verzeichnis, weg)
    return lesen + mit, lesen + ohne


def main():
    zorbel = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/host/zorbel")
    ausgabe = os.path.join(os.path.dirname(os.path.abspath(__file__)), "out")
    print("| entries | file MB | option | seconds | raw seconds | ratio | ratio w/o flush "
          "| peak MB | limit MB |")
    print("|---:|---:|---|---:|---:|---:|---:|---:|---:|")
    for anzahl in GROESSEN:
        verzeichnis = os.path.join(ausgabe, str(anzahl))
        os.makedirs(verzeichnis, exist_ok=True)
        pfad = os.path.join(verzeichnis, "umrechnungen.conf")
        definition_schreiben(pfad, anzahl)
        mb = os.path.getsize(pfad) / 1e6
        for option, datei in OPTIONEN:
            laeufe = [messen([zorbel, option], verzeichnis) for _ in range(WIEDERHOLUNGEN)]
            dauer = min(l[0] for l in laeufe)
            spitze = max(l[1] for l in laeufe)
            roh, roh_ohne = rohkosten(verzeichnis, datei)
            print("| %d | %.1f | %s | %.3f | %.3f | %.2f | %.2f | %.1f | %.1f |"
                  % (anzahl, mb, option, dauer, roh, dauer / roh, dauer / roh_ohne, spitze,
                     4 * mb + 20))
            sys.stdout.flush()


if __name__ == "__main__":
    main()
