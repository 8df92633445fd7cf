#!/bin/sh
# Every test of the build carries a label, "unidad" or "sistema", so that "ctest -L unidad"
# and "ctest -L sistema" together run every test.
set -u
ctest=$1
build=$2
cuantos() { "$ctest" --test-dir "$build" -N "$@" | sed -n 's/^Total Tests: //p'; }
todos=$(cuantos)
unidad=$(cuantos -L '^unidad$')
sistema=$(cuantos -L '^sistema$')
echo "pruebas: $todos; unidad: $unidad; sistema: $sistema"
[ -n "$todos" ] && [ "$todos" -gt 0 ] || { echo "FALLA: no se contaron las pruebas"; exit 1; }
if [ $((unidad + sistema)) -ne "$todos" ]; then
  echo "FALLA: hay pruebas sin etiqueta (o con las dos):"
  "$ctest" --test-dir "$build" -N -LE '^(unidad|sistema)$' | grep 'Test *#'
  exit 1
fi
