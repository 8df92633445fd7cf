#!/bin/sh
# The folders of src/ in the order their targets link: a file includes its own folder and
# the folders whose libraries its target links, never another. The core names no header of
# Qt's widgets, pictures or printing; the team report includes no evaluation screen.
set -u
src=$1
fallas=0
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
    ;;
  esac
done
[ "$fallas" -eq 0 ] || exit 1
echo "capas en orden: nucleo pantallas programa equipo lanzador"
