# The DXF of a case read by a reader that is not the one that wrote it (ezdxf): its audit
# finds no error and removes nothing; every stud is an insert of the block of its diameter;
# each rail is a line from its first to its last stud as long as the schedule says; the rails'
# names are the schedule's; the dimensions measure S1, S and the rail length; texts and
# dimensions are 2.5 mm high at the scale the title states.
# Usage: verifica_dxf.py FOLDER CASE... (FOLDER/CASE.dxf and FOLDER/CASE.csv for each CASE)
import csv
import math
import re
import sys

import ezdxf

VICINO = 0.05  # cm: the schedule gives its numbers to two decimals



def numero(testo):
    """A number of the schedule, written with the decimal comma of the Italian dialect."""
    return float(testo.replace(",", "."))

def verifica(dxf, distinta):
    errori = []
    doc = ezdxf.readfile(dxf)
    msp = doc.modelspace()
    tipi = ("DIMENSION", "INSERT", "LINE", "TEXT", "LWPOLYLINE")
    prima = {t: len(msp.query(t)) for t in tipi}
    revisione = doc.audit()
    if revisione.has_errors:
        errori += ["audit: " + e.message for e in revisione.errors]
    for t in tipi:
        if len(msp.query(t)) != prima[t]:
            errori.append("audit removed %s entities" % t)

    with open(distinta, newline="") as f:
        righe = list(csv.reader(f, delimiter=";"))
    intestazione, tralicci, totale = righe[0], righe[1:-1], righe[-1]
    colonna = {nome: i for i, nome in enumerate(intestazione)}
    diametro = numero(totale[colonna["diametro (mm)"]])

    # The studs: inserts of one block, its shank and head.
    inserti = msp.query('INSERT[layer=="CHIODI"]')
    if len(inserti) != int(totale[colonna["chiodi"]]):
        errori.append("%d inserts for %s studs" % (len(inserti), totale[colonna["chiodi"]]))
    nomi = {i.dxf.name for i in inserti}
    if len(nomi) != 1:
        errori.append("stud blocks %s" % nomi)
    blocco = doc.blocks.get(nomi.pop()) if len(nomi) == 1 else None
    if blocco is not None:
        raggi = sorted(c.dxf.radius for c in blocco.query("CIRCLE"))
        r = diametro / 20
        if len(raggi) != 2 or abs(raggi[0] - r) > 1e-9 or abs(raggi[1] - 3 * r) > 1e-9:
            errori.append("block %s circles %s" % (blocco.name, raggi))
    posti = [(i.dxf.insert.x, i.dxf.insert.y) for i in inserti]

    # The rails, as the schedule lists them.
    linee = msp.query('LINE[layer=="TRALICCI"]')
    con_linea = 0
    lunghezze = []
    for riga in tralicci:
        nome = riga[0]
        angolo = math.radians(numero(riga[colonna["angolo (gradi)"]]))
        x0, y0 = numero(riga[colonna["x inizio (cm)"]]), numero(riga[colonna["y inizio (cm)"]])
        distanze = [numero(riga[i]) for i, n in enumerate(intestazione)
                    if n.startswith("distanza chiodo") and riga[i]]
        lunghezza = numero(riga[colonna["lunghezza (cm)"]])
        lunghezze.append((lunghezza, distanze))
        if abs(lunghezza - (distanze[-1] - distanze[0])) > 1e-6:
            errori.append("%s: length %s, studs %s" % (nome, lunghezza, distanze))
        chiodi = [(x0 + d * math.cos(angolo), y0 + d * math.sin(angolo)) for d in distanze]
        for p in chiodi:
            if not any(math.dist(p, q) < VICINO for q in posti):
                errori.append("%s: no stud at %.2f, %.2f" % (nome, *p))
        if lunghezza == 0:
            continue
        con_linea += 1
        trovata = [l for l in linee
                   if math.dist((l.dxf.start.x, l.dxf.start.y), chiodi[0]) < VICINO
                   and math.dist((l.dxf.end.x, l.dxf.end.y), chiodi[-1]) < VICINO]
        if not trovata:
            errori.append("%s: no rail line from its first to its last stud" % nome)
        elif abs(math.dist(trovata[0].dxf.start, trovata[0].dxf.end) - lunghezza) > 0.01:
            errori.append("%s: rail line %.3f cm, schedule %s" %
                          (nome, math.dist(trovata[0].dxf.start, trovata[0].dxf.end), lunghezza))
    if len(linee) != con_linea:
        errori.append("%d rail lines for %d rails" % (len(linee), con_linea))
    scritti = sorted(t.dxf.text for t in msp.query('TEXT[layer=="NUMERI_TRALICCI"]'))
    if scritti != sorted(r[0] for r in tralicci):
        errori.append("rail names %s" % scritti)

    # The dimensions: what they measure is what they state, S1, S and L those of the rails.
    quote = {d.dxf.text: d for d in msp.query("DIMENSION")}
    for testo, d in quote.items():
        if abs(d.get_measurement() - d.dxf.actual_measurement) > 1e-6:
            errori.append("%s measures %s, states %s" %
                          (testo, d.get_measurement(), d.dxf.actual_measurement))
    l_max, distanze = max(lunghezze)
    attese = {"S1 = <>": distanze[0], "L = <>": l_max}
    if len(distanze) > 1:
        attese["S = <>"] = distanze[1] - distanze[0]
    for testo, valore in attese.items():
        if testo not in quote:
            errori.append("no dimension %s" % testo)
        elif abs(quote[testo].get_measurement() - valore) > VICINO:
            errori.append("%s measures %s, schedule %s" %
                          (testo, quote[testo].get_measurement(), valore))

    # Heights on paper at the scale of the title.
    titolo = [t.dxf.text for t in msp.query('TEXT[layer=="TESTI"]') if "scala 1:" in t.dxf.text]
    if len(titolo) != 1:
        errori.append("title %s" % titolo)
    else:
        altezza = 2.5 * int(re.search(r"scala 1:(\d+)", titolo[0]).group(1)) / 10
        for t in msp.query("TEXT"):
            if abs(t.dxf.height - altezza) > 1e-9:
                errori.append("text %s %.3f cm high, not %.3f" % (t.dxf.text, t.dxf.height, altezza))
        dimtxt = doc.dimstyles.get("Standard").dxf.dimtxt
        if abs(dimtxt - altezza) > 1e-9:
            errori.append("dimension text %.3f cm high, not %.3f" % (dimtxt, altezza))
    return errori


def main():
    cartella, casi = sys.argv[1], sys.argv[2:]
    sbagliati = 0
    for caso in casi:
        errori = verifica("%s/%s.dxf" % (cartella, caso), "%s/%s.csv" % (cartella, caso))
        print("%s: %s" % (caso, "; ".join(errori) if errori else "ok"))
        sbagliati += bool(errori)
    return 1 if sbagliati or not casi else 0


if __name__ == "__main__":
    sys.exit(main())
