#!/bin/sh
# Writes the DXF and the stud schedule of varied cases with tessaro-cli, then has ezdxf check
# them (verifica_dxf.py). Usage: verifica_dxf.sh TESSARO-CLI PYTHON verifica_dxf.py
set -eu
cli=$1
python=$2
verifica=$3
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT

# caso NAME LINES: a session of the given lines, then the case's DXF and schedule written.
caso() {
    nome=$1
    shift
    printf 'start\n%b\nexport %s.dxf\nexport %s.csv\n' "$*" "$nome" "$nome" >"$cartella/$nome.script"
    "$cli" run "$cartella/$nome.script" --workdir "$cartella" >/dev/null
    casi="${casi:-} $nome"
}

caso interno 'type Text1(1) -200000\nleave Text1(1)'
caso bordo_diagonali 'type Text1(38) 0\ntype Text1(30) 1\ntype Text1(1) -200000\nleave Text1(1)'
caso angolo 'type Text1(38) 10\ntype Text1(24) 20\ntype Text1(30) 2\ntype Text1(31) 9\ntype Text1(1) -110000\nleave Text1(1)'
caso circolare 'click Option1(1)\ntype Text1(1) -200000\nleave Text1(1)'
caso circolare_bordo 'click Option1(1)\ntype Text1(38) 0\ntype Text1(1) -150000\nleave Text1(1)'
caso foro 'click Command1(4)\ntype Text4 50\ntype Text5 0\nclick Command2(0)\ntype Text1(1) -200000\nleave Text1(1)'
caso grande 'type Text1(1) -380000\nleave Text1(1)'

# shellcheck disable=SC2086 # the names are words
"$python" "$verifica" "$cartella" $casi
