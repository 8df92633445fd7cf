#!/bin/sh
# The folders of src/ from the bottom up: a file may include its own folder and the folders
# below it, never one above. The core (comun, records and the scoring files) names no
# header of Qt's widgets, pictures or printing.
set -u
src=$1
orden="comun records shell evaluation physical fundamentals informe equipo app"
nucleo="comun/ records/ physical/conversiones physical/calificar_nivel fundamentals/calificar_fundamentos informe/"
fallas=0
nivel() { i=0; for c in $orden; do [ "$c" = "$1" ] && { echo $i; return; }; i=$((i + 1)); done; echo 99; }

for f in $(cd "$src" && find . -name '*.h' -o -name '*.cpp' | sed 's#^\./##' | sort); do
  carpeta=${f%%/*}
  [ "$carpeta" = "$f" ] && carpeta=app  # the two main files stand beside the composition root
  propio=$(nivel "$carpeta")
  for inc in $(sed -n 's/^#include "\([a-z_]*\)\/.*/\1/p' "$src/$f" | sort -u); do
    otro=$(nivel "$inc")
    if [ "$otro" -gt "$propio" ]; then
      echo "FALLA: $f ($carpeta) incluye $inc, que está más arriba"
      fallas=$((fallas + 1))
    fi
  done
  # the team report stands on the core and the shell's look, never on an evaluation screen
  case "$f" in
  equipo/* | main_equipo.cpp)
    if grep -nE '^#include "(evaluation|app)/|^#include "(physical|fundamentals)/pantalla_' "$src/$f"; then
      echo "FALLA: $f es del informe del equipo e incluye una pantalla de evaluación"
      fallas=$((fallas + 1))
    fi
    ;;
  esac
  for n in $nucleo; do
    case "$f" in
    "$n"*)
      if grep -nE '^#include <(Qt(Widgets|Gui|PrintSupport)/|Q(Widget|Image|Pixmap|Color|Font|Painter|Printer|Label|LineEdit|Application|GuiApplication)\b)' "$src/$f"; then
        echo "FALLA: $f es del núcleo y nombra una cabecera gráfica"
        fallas=$((fallas + 1))
      fi
      ;;
    esac
  done
done
[ "$fallas" -eq 0 ] || exit 1
echo "capas en orden: $orden"
