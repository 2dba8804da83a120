#!/bin/sh
# Páginas de manual: sin avisos de groff, y cada opción de la herramienta en la suya.
cd "$1" || exit 1
avisos=$(groff -k -man -ww -z -Tutf8 calculo-tubos-cli.1 calculo-tubos.1 2>&1)
[ -z "$avisos" ] || { echo "$avisos"; exit 1; }
for opcion in json tramos proyecto bc3 precios dxf norma; do
    grep -q "^\.B.* \\\\-\\\\-$opcion" calculo-tubos-cli.1 || { echo "falta --$opcion"; exit 1; }
done
