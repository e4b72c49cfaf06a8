#!/usr/bin/env python3
"""Writes the seed corpus of the table fuzzer: small table files of several kinds.

Byte 0 of each file picks the table kind and the next bytes the harness's choices; the
engine itself never reads the 100-byte header. The tables are built here byte by byte,
independently of the engine, so that the seeds do not inherit its mistakes.

Usage: fuzz/korpus.py [DIR]   (default: fuzz/corpus next to this script)
"""

import os
import struct
import sys

ESC = b"\x1b"


def kopf(art, wahl=b""):
    text = bytes([art]) + wahl + "Datei für Velmora XXX".encode("cp1252")
    return text.ljust(100, ESC)[:100]


def satz(nr, werte, geschlossen=True):
    daten = b"".join(w.encode("cp1252") + b"\x00" if isinstance(w, str) else w + b"\x00"
                     for w in werte)
    return b"\x00" + struct.pack("<i", nr) + daten + (ESC if geschlossen else b"")


def frei(n):
    return ESC * n


def seiten():
    werte = lambda p, objekte: [str(p), f"Kapitel 1 – Einführung (Seite {p})", "", "", "1", "",
                                "", "0", "0", "0", "800", "600", "0"] + [""] * 47 + [
                                    str(p + 1), "\r\n".join(map(str, objekte)), str(p - 1)]
    return (kopf(0, bytes([3, 0x81, 1, 1, 7, 2, 0, 0, 1, 0, 0, 0, 1, 40, 2]))
            + satz(1, werte(1, [1, 2, 3])) + satz(2, werte(2, [4, 5])) + frei(7)
            + satz(3, werte(3, [])))


def objekte():
    def objekt(nr, typ, text):
        return [str(typ), f"Objekt {nr} – {text}", "0", "", "", str(20 * nr), "40", "120",
                "24", "-16777201", "", str(nr), "0"] + [""] * 31 + [
                    "0", "Arial", "10", "1000", "0", "", "0", "Klicken Sie hier für Hilfe."]
    return (kopf(4, bytes([5, 10, 0, 45, 30, 1, 1, 9, 0, 0, 0, 3, 200, 1, 0, 0, 0, 0, 48]))
            + satz(1, objekt(1, 1, "Überschrift")) + frei(40)
            + satz(2, objekt(2, 5, "Bild")) + satz(3, objekt(3, 7, "Größe"))
            + frei(3) + satz(4, objekt(4, 4, "Weiter")) + satz(5, objekt(5, 9, "Form")))


def texte():
    text = ("{f}Hinweis:{n} Öffnen Sie die Übersicht.\r\nDie Straße heißt {rot}Mühlweg{n}. "
            "Stand: {3}. Betrag: @2@ €")
    return (kopf(1, bytes([0, 0x81, 0, 0, 20, 3, 0x41, 7, 0, 0, 0, 1, 4, 1]))
            + satz(1, [text, "Kapitel 1"]) + satz(2, ["äpfel", "B"]) + satz(3, ["Apfel", "a"])
            + satz(4, ["ÄPFEL", "b"]) + satz(5, ["apfel", "a"]) + frei(1) + satz(6, ["", ""]))


def nummern():
    # Number bytes that look like a start mark or free space, negative and repeated numbers.
    return (kopf(9, bytes([1, 2, 0, 0, 5, 9, 0, 0x1b, 0x1b, 0x1b, 0x1b, 1, 50, 2, 0, 0x1b, 0, 0, 0]))
            + satz(0x1B1B1B1B, ["1", "a"]) + satz(0x00001B00, ["2"]) + satz(-7, ["3", "x", "y"])
            + satz(7, ["4"]) + satz(-2147483648, ["5"]) + satz(0, []) + frei(12)
            + satz(0x1B, ["6", "", "", "", "", "", "z"]))


def lernweg():
    return (kopf(8, bytes([200, 201, 0, 205, 9, 4, 2, 0, 0, 0, 0, 220, 3, 1, 0]))
            + satz(1, ["a", "b", "c"]) + satz(2, ["1", "0", "1", "1"]) + frei(30))


def objekttypen():
    return (kopf(14, bytes([3, 12, 0, 2, 15, 0, 0, 0x80, 0, 0, 1, 0, 0, 0, 0]))
            + satz(1, ["Text"] + [""] * 9 + ["1"]) + satz(5, ["Bild"]) + satz(7, ["Label"]))


def kaputt():
    # Stray bytes, a record whose head is cut short elsewhere, and one the end of the file cuts off.
    return (kopf(3, bytes([0, 1, 0, 1, 1, 4, 0x41, 1, 0, 0, 0, 0, 0, 0]))
            + satz(1, ["Begriff", "Erklärung"]) + b"xyz" + ESC + satz(2, ["Wort"])
            + b"\x00\x05\x00" + ESC + frei(4) + satz(3, ["abgeschnitten"], geschlossen=False))


def leer():
    return kopf(0)


def kurz():
    return kopf(4)[:10]


def gross():
    lang = "Ein langer Text mit Umlauten: äöüÄÖÜß. " * 60
    return (kopf(1, bytes([0, 0, 0, 0, 10, 2, 0x02, 1, 0, 0, 0, 2, 1, 0]))
            + satz(1, [lang, "x"]) + frei(100) + satz(2, ["kurz"]))


def konfiguration():
    rahmen = "\r\n".join(["10", "20", "640", "480"])
    return (kopf(11, bytes([1, 0, 0, 0, 43, 7, 0, 0, 2, 0, 0, 0, 44, 5, 0]))
            + satz(1, [rahmen] * 42 + ["1" * 30, "\r\n".join(["0"] * 40),
                                       "\r\n".join(["Text"] * 10), "0" * 46, ""]))


SEEDS = {
    "seiten.tab": seiten, "objekte.tab": objekte, "texte.tab": texte, "nummern.tab": nummern,
    "lernweg.tab": lernweg, "objekttypen.tab": objekttypen, "kaputt.tab": kaputt,
    "leer.tab": leer, "kurz.tab": kurz, "gross.tab": gross, "konfiguration.tab": konfiguration,
}


def main():
    ziel = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "corpus")
    os.makedirs(ziel, exist_ok=True)
    for name, erzeugen in SEEDS.items():
        with open(os.path.join(ziel, name), "wb") as datei:
            datei.write(erzeugen())


if __name__ == "__main__":
    main()
