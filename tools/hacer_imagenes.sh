#!/bin/sh
# Makes the program's pictures under resources/: draws them with a small Qt program,
# then converts each to the kind its screen shows (ImageMagick), and writes the icon at every
# size the menus ask for, and as SVG. Run it with what `sh tools/dependencias.sh imagenes`
# installs. On that machine it gives the same bytes every time; the committed pictures were
# drawn with Debian 12's Qt 6.4 and Liberation fonts, and another Qt or font version draws
# the text and the edges of the pictures a little differently.
set -e
raiz=$(cd "$(dirname "$0")/.." && pwd)
obra=$(mktemp -d)
trap 'rm -rf "$obra"' EXIT
g++ -std=c++17 -fPIC -O1 "$raiz/tools/pintar_imagenes.cpp" -o "$obra/pintar" \
  $(pkg-config --cflags --libs Qt6Widgets Qt6Svg)
QT_QPA_PLATFORM=offscreen "$obra/pintar" "$obra"
r="$raiz/resources"
convert "$obra/coleccion.png" -type TrueColor BMP3:"$r/coleccion.bmp"
convert "$obra/balon.png" -quality 90 "$r/balon.jpg"
convert "$obra/deportes.png" -colors 64 "$r/deportes.gif"
convert "$obra/nivel.png" -quality 90 "$r/nivel.jpg"
cp "$obra/icono.png" "$r/icono.png"
mkdir -p "$r/iconos"
cp "$obra"/iconos/*.png "$obra/iconos/korva4.svg" "$r/iconos/"
