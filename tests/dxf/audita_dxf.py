#!/usr/bin/env python3
"""Audita con ezdxf los planos que escribe calculo-tubos-cli: la sección de
cada proyecto de ejemplo y el perfil de la tabla de tramos de ejemplo.

Uso: audita_dxf.py PROGRAMA CARPETA_SALIDA CARPETA_EJEMPLOS

Falla si el auditor encuentra un error o arregla algo que no sea el dueño de
los objetos de la sección OBJECTS, que dxflib escribe sin él."""

import subprocess
import sys
from pathlib import Path

try:
    import ezdxf
    from ezdxf.audit import AuditError
except ImportError:
    print("Sin python3-ezdxf: no se auditan los planos.")
    sys.exit(77)

programa, salida, ejemplos = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
planos = {}
for proyecto in ("zanja", "terraplen", "zanja_terraplenada", "zanja_inducida"):
    planos[proyecto] = ["--dxf", "{}", str(ejemplos / f"{proyecto}.txt")]
planos["perfil"] = ["--tramos", str(ejemplos / "tramos.csv"), "--proyecto",
                    str(ejemplos / "zanja.txt"), "--dxf", "{}", "--norma", "ambas"]

fallos = 0
for nombre, argumentos in planos.items():
    dxf = salida / f"auditoria-{nombre}.dxf"
    orden = [programa] + [a.format(dxf) for a in argumentos]
    subprocess.run(orden, stdout=subprocess.DEVNULL, check=True)
    documento = ezdxf.readfile(dxf)
    auditor = documento.audit()
    arreglos = [f for f in auditor.fixes if f.code != AuditError.INVALID_OWNER_HANDLE]
    for problema in auditor.errors + arreglos:
        print(f"{nombre}: {problema.message}")
    fallos += len(auditor.errors) + len(arreglos)
    print(f"{nombre}: {len(documento.modelspace())} entidades, "
          f"{len(auditor.errors)} errores")
sys.exit(1 if fallos else 0)
