"""Writes the tree that bench/backup_vs_zip archives: about SIZE megabytes (10^6 bytes) of a
practice's kind of files, always the same bytes for the same size.

Half text-like (ledgers, statements, exports: CSV-like lines), three tenths binary-like (database
pages: small records among zeros), two tenths already compressed (scans, PDF, zip: random bytes),
in files from a few kilobytes to a few megabytes spread over dossier-like directories.

    python3 bench/make_tree.py DIRECTORY SIZE
"""
import os
import random
import sys


def text_bytes(rng, size, pool):
    out, total = [], 0
    while total < size:
        line = rng.choice(pool)
        out.append(line)
        total += len(line)
    return b"".join(out)[:size]


def binary_bytes(rng, size):
    pages, total = [], 0
    while total < size:
        used = rng.randrange(256, 2048)
        pages.append(rng.randbytes(used) + bytes(4096 - used))
        total += 4096
    return b"".join(pages)[:size]


def main():
    directory, megabytes = sys.argv[1], int(sys.argv[2])
    rng = random.Random(20240315)
    pool = [
        ("%06d;%s;Facture %d;%d,%02d;%s\r\n" % (
            rng.randrange(400000, 700000), "%02d/%02d/2024" % (rng.randrange(1, 29), rng.randrange(1, 13)),
            rng.randrange(1, 99999), rng.randrange(0, 99999), rng.randrange(0, 100),
            rng.choice(["SCI Les Tilleuls", "SARL Martin et Fils", "M. Dupont Jean", "Banque Populaire",
                        "URSSAF Île-de-France", "EDF Entreprises"]))).encode("cp1252")
        for _ in range(20000)
    ]
    kinds = [("texte", 0.5, ".csv"), ("binaire", 0.3, ".db"), ("compresse", 0.2, ".pdf")]
    dossiers = ["Dossier %03d" % i for i in range(12)]
    for kind, share, suffix in kinds:
        left = int(megabytes * 1_000_000 * share)
        index = 0
        while left > 0:
            size = min(left, int(rng.lognormvariate(11.5, 1.4)) + 1)  # median about 100 kB
            sub = os.path.join(directory, rng.choice(dossiers), kind)
            os.makedirs(sub, exist_ok=True)
            if kind == "texte":
                data = text_bytes(rng, size, pool)
            elif kind == "binaire":
                data = binary_bytes(rng, size)
            else:
                data = rng.randbytes(size)
            with open(os.path.join(sub, "%s%05d%s" % (kind, index, suffix)), "wb") as f:
                f.write(data)
            left -= size
            index += 1


if __name__ == "__main__":
    main()
