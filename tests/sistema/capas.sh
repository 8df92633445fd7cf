#!/bin/sh
# The folders of src/ in the order their targets link: a file includes its own folder and
# the folders whose libraries its target links, never another. Inside the core and the
# screens' library the sub-folders stand in an order too: a file includes its own sub-folder
# and those before it, never one after it, so no two folders include each other at any
# depth. The core names no header of Qt's widgets, pictures or printing; the team report
# includes no evaluation screen.
set -u
src=$1
fallas=0
# The sub-folders of a library, lowest first: the one place their order is written.
subcarpetas() {
  case $1 in
  nucleo) echo "comun calificacion registros evaluaciones informe listas escritura" ;;
  pantallas) echo "aspecto base evaluacion generales hoja" ;;
  equipo) echo "comun documentos exportaciones familias ordenes estacion importacion tabla" ;;
  *) echo "" ;;
  esac
}
# The place of a sub-folder in its library's order (from 1), or nothing.
lugar() {
  n=0
  for s in $(subcarpetas "$1"); do
    n=$((n + 1))
    [ "$s" = "$2" ] && echo $n && return
  done
}
# what each folder may include
permitidas() {
  case $1 in
  nucleo) echo "nucleo" ;;
  pantallas) echo "nucleo pantallas" ;;
  programa) echo "nucleo pantallas programa" ;;
  equipo) echo "nucleo pantallas equipo" ;;
  lanzador) echo "nucleo pantallas lanzador" ;;
  *) echo "" ;;
  esac
}

for carpeta in $(cd "$src" && ls -d */ | tr -d /); do
  [ -f "$src/$carpeta/CMakeLists.txt" ] || { echo "FALLA: src/$carpeta no tiene CMakeLists.txt"; fallas=$((fallas + 1)); }
  [ -n "$(permitidas "$carpeta")" ] || { echo "FALLA: src/$carpeta no está en el orden de capas"; fallas=$((fallas + 1)); }
  [ -n "$(subcarpetas "$carpeta")" ] || continue
  for sub in $(cd "$src/$carpeta" && ls -d */ 2>/dev/null | tr -d /); do
    [ -n "$(lugar "$carpeta" "$sub")" ] || { echo "FALLA: src/$carpeta/$sub no está en el orden de $carpeta"; fallas=$((fallas + 1)); }
  done
done

for f in $(cd "$src" && find . -name '*.h' -o -name '*.cpp' | sed 's#^\./##' | sort); do
  carpeta=${f%%/*}
  for inc in $(sed -n 's/^#include "\([a-z_]*\)\/.*/\1/p' "$src/$f" | sort -u); do
    case " $(permitidas "$carpeta") " in
    *" $inc "*) ;;
    *)
      echo "FALLA: $f ($carpeta) incluye $inc, que no enlaza"
      fallas=$((fallas + 1))
      ;;
    esac
  done
  # inside a library with sub-folders: only its own sub-folder and those before it (a file
  # beside the sub-folders, such as main.cpp, stands above them all)
  if [ -n "$(subcarpetas "$carpeta")" ] && [ "$(echo "$f" | tr -cd / | wc -c)" -ge 2 ]; then
    sub=$(echo "$f" | cut -d/ -f2)
    mio=$(lugar "$carpeta" "$sub")
    for inc in $(sed -n "s/^#include \"$carpeta\/\([a-z_]*\)\/.*/\1/p" "$src/$f" | sort -u); do
      suyo=$(lugar "$carpeta" "$inc")
      if [ -z "$mio" ] || [ -z "$suyo" ] || [ "$suyo" -gt "$mio" ]; then
        echo "FALLA: $f ($carpeta/$sub) incluye $carpeta/$inc, que va después en el orden: $(subcarpetas "$carpeta")"
        fallas=$((fallas + 1))
      fi
    done
  fi
  case "$f" in
  equipo/*)
    if grep -nE '^#include "(pantallas/evaluacion|pantallas/generales|programa)/' "$src/$f"; then
      echo "FALLA: $f es del informe del equipo e incluye una pantalla"
      fallas=$((fallas + 1))
    fi
    ;;
  nucleo/*)
    if grep -nE '^#include <(Qt(Widgets|Gui|PrintSupport)/|Q(Widget|Image|Pixmap|Color|Font|Painter|Printer|Label|LineEdit|Application|GuiApplication)\b)' "$src/$f"; then
      echo "FALLA: $f es del núcleo y nombra una cabecera gráfica"
      fallas=$((fallas + 1))
    fi
    # the core speaks of records, fields and results, never by a screen's control names
    if grep -nE '\b(txt[a-zA-Z]+|Command[0-9]+|Label[0-9]+|Frame[0-9]+)\b|[Pp]estana' "$src/$f"; then
      echo "FALLA: $f es del núcleo y nombra un control de una pantalla o una pestaña"
      fallas=$((fallas + 1))
    fi
    ;;
  esac
done
[ "$fallas" -eq 0 ] || exit 1
echo "capas en orden: nucleo ($(subcarpetas nucleo)) pantallas ($(subcarpetas pantallas)) programa equipo lanzador"
