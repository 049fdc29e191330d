#!/usr/bin/env python3
"""Times zorbel's four options on definition files of growing size.

Usage: bench/zorbel_bench.py [path/to/zorbel]
Writes the definition files into bench/out/ and prints one table row per
size and option: the best wall time of three runs, peak memory (maximum resident set size) and the
definition file's size.
"""
import os
import sys
import time

OPTIONEN = ["--classes", "--functions", "--objects", "--units"]
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


def messen(zorbel, verzeichnis, option):
    start = time.perf_counter()
    pid = os.fork()
    if pid == 0:
        os.chdir(verzeichnis)
        fd = os.open(os.devnull, os.O_WRONLY)
        os.dup2(fd, 1)
        os.execv(zorbel, [zorbel, option])
    _, status, nutzung = os.wait4(pid, 0)
    dauer = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("zorbel %s failed" % option)
    return dauer, nutzung.ru_maxrss / 1024.0


def main():
    zorbel = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/host/zorbel")
    ausgabe = os.path.join(os.path.dirname(os.path.abspath(__file__)), "out")
    print("| entries | file MB | option | seconds | peak MB | limit MB |")
    print("|---:|---:|---|---:|---:|---:|")
    for anzahl in GROESSEN:
        verzeichnis = os.path.join(ausgabe, str(anzahl))
        os.makedirs(verzeichnis, exist_ok=True)
        pfad = os.path.join(verzeichnis, "umrechnungen.conf")
        definition_schreiben(pfad, anzahl)
        mb = os.path.getsize(pfad) / 1e6
        for option in OPTIONEN:
            laeufe = [messen(zorbel, verzeichnis, option) for _ in range(WIEDERHOLUNGEN)]
            dauer = min(l[0] for l in laeufe)
            spitze = max(l[1] for l in laeufe)
            print("| %d | %.1f | %s | %.3f | %.1f | %.1f |"
                  % (anzahl, mb, option, dauer, spitze, 4 * mb + 20))


if __name__ == "__main__":
    main()
