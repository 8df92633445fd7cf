#!/bin/sh
# Installs the built program under a scratch prefix and builds its Debian package, then
# checks that both hold the program, its launcher, desktop entry, icons, metadata and manual
# pages, that the package names the packages the program needs, and that lintian finds no
# error and no warning in it.
set -eu
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
falla() { echo "FALLA: $*"; exit 1; }

cmake --install "$build" --prefix "$tmp/prefijo" > "$tmp/install.log"
for f in bin/korva4 bin/korva4-equipo bin/korva4-lanzador share/applications/korva4.desktop \
         share/applications/korva4-equipo.desktop share/man/man1/korva4-equipo.1.gz \
         share/icons/hicolor/16x16/apps/korva4.png share/icons/hicolor/32x32/apps/korva4.png \
         share/icons/hicolor/48x48/apps/korva4.png share/icons/hicolor/64x64/apps/korva4.png \
         share/icons/hicolor/128x128/apps/korva4.png share/icons/hicolor/256x256/apps/korva4.png \
         share/icons/hicolor/scalable/apps/korva4.svg share/metainfo/io.github.korva4.Korva4.metainfo.xml \
         share/man/man1/korva4.1.gz share/man/man1/korva4-lanzador.1.gz \
         share/doc/korva4/copyright share/doc/korva4/changelog.gz; do
  [ -f "$tmp/prefijo/$f" ] || falla "cmake --install no puso $f"
done
[ -x "$tmp/prefijo/bin/korva4" ] || falla "korva4 no es ejecutable"
grep -q '^Categories=.*Education;.*Sports;' "$tmp/prefijo/share/applications/korva4.desktop" || falla "categorías"
grep -q '^Exec=korva4-lanzador$' "$tmp/prefijo/share/applications/korva4.desktop" || falla "Exec"
grep -q '^Exec=korva4-lanzador korva4-equipo$' "$tmp/prefijo/share/applications/korva4-equipo.desktop" || falla "Exec del informe"

# Started as the menu starts it, in a home of its own: the records folder is made, and the
# program runs there (its lock lies in it). With a documents folder set, it goes inside it.
lanzar() {
  HOME=$1 QT_QPA_PLATFORM=offscreen "$tmp/prefijo/bin/korva4-lanzador" > "$tmp/lanzador.log" 2>&1 &
  pid=$!
  i=0
  while [ ! -e "$2/korva4.lock" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -e "$2/korva4.lock" ] || { cat "$tmp/lanzador.log"; falla "el lanzador no abrió el programa en «$2»"; }
}
mkdir -p "$tmp/casa"
lanzar "$tmp/casa" "$tmp/casa/Documents/KORVA 4"  # the desktop's default: Documents
# The documents folder as the desktop names it, blanks and tabs and all.
conDocumentos() {
  mkdir -p "$1/.config"
  printf 'XDG_DOCUMENTS_DIR="%s"\n' "$2" > "$1/.config/user-dirs.dirs"
}
conDocumentos "$tmp/casa2" '$HOME/Documentos'
lanzar "$tmp/casa2" "$tmp/casa2/Documentos/KORVA 4"
conDocumentos "$tmp/casa3" '$HOME/Mis  documentos '
lanzar "$tmp/casa3" "$tmp/casa3/Mis  documentos /KORVA 4"
conDocumentos "$tmp/casa4" "\$HOME/Con	tabulador"
lanzar "$tmp/casa4" "$tmp/casa4/Con	tabulador/KORVA 4"
# a relative documents folder is not taken from wherever the launcher starts
conDocumentos "$tmp/casa5" 'Documentos'
(cd / && lanzar "$tmp/casa5" "$tmp/casa5/KORVA 4")
[ ! -e "/Documentos/KORVA 4" ] || falla "el lanzador creó «/Documentos/KORVA 4»"
# A documents folder a normal user cannot write in: the launcher says why (on standard error
# too) before it shows its message box.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null 2>&1; then
  mkdir -p "$tmp/casa6/Documentos"
  conDocumentos "$tmp/casa6" '$HOME/Documentos'
  chown 65534:65534 "$tmp/casa6"
  chmod 755 "$tmp" "$tmp/prefijo" "$tmp/casa6/Documentos"
  HOME="$tmp/casa6" QT_QPA_PLATFORM=offscreen timeout 10 setpriv --reuid=65534 --regid=65534 --clear-groups \
    "$tmp/prefijo/bin/korva4-lanzador" > "$tmp/lanzador6.log" 2>&1 || true
  grep -q "no puede usar la carpeta de registros .*Documentos/KORVA 4" "$tmp/lanzador6.log" \
    || { cat "$tmp/lanzador6.log"; falla "el lanzador no dijo por qué no pudo usar la carpeta de documentos"; }
  grep -q "Motivo: permiso denegado" "$tmp/lanzador6.log" || falla "el motivo no está en español"
else
  echo "sin root y setpriv no se probó una carpeta de documentos ajena"
fi
if command -v desktop-file-validate >/dev/null 2>&1; then
  for e in korva4 korva4-equipo; do
    desktop-file-validate "$tmp/prefijo/share/applications/$e.desktop" || falla "la entrada de escritorio $e no es válida"
  done
else
  echo "sin desktop-file-validate (paquete desktop-file-utils): la entrada de escritorio no se validó"
fi
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net "$tmp/prefijo/share/metainfo/io.github.korva4.Korva4.metainfo.xml" \
    || falla "los metadatos AppStream no son válidos"
else
  echo "sin appstreamcli (paquete appstream): los metadatos no se validaron"
fi
for m in korva4 korva4-equipo korva4-lanzador; do
  zcat "$tmp/prefijo/share/man/man1/$m.1.gz" | grep -q '^\.SH DESCRIPCI' || falla "la página de manual de $m"
done

if ! command -v dpkg-shlibdeps >/dev/null 2>&1; then
  echo "SKIP   : sin dpkg-shlibdeps (paquete dpkg-dev) no se arma el paquete"
  exit 0
fi
(cd "$build" && cpack -G DEB -B "$tmp/paquete" > "$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log"; falla "cpack"; }
deb=$(ls "$tmp"/paquete/*.deb)
dpkg-deb -I "$deb" > "$tmp/info"
dpkg-deb -c "$deb" > "$tmp/contenido"
for dep in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation2; do
  grep -q "Depends:.*$dep" "$tmp/info" || { cat "$tmp/info"; falla "el paquete no depende de $dep"; }
done
for f in ./usr/bin/korva4 ./usr/bin/korva4-equipo ./usr/share/applications/korva4.desktop \
         ./usr/share/applications/korva4-equipo.desktop ./usr/share/icons/hicolor/256x256/apps/korva4.png; do
  grep -q " $f\$" "$tmp/contenido" || falla "el paquete no trae $f"
done
grep -q "Section: education" "$tmp/info" || falla "la sección no es education"
grep -q "Recommends:.*xdg-utils.*libreoffice-writer | abiword" "$tmp/info" || falla "Recommends"
grep -q "Suggests:.*cups" "$tmp/info" || falla "Suggests"

if command -v lintian >/dev/null 2>&1; then
  lintian --tag-display-limit 0 "$deb" > "$tmp/lintian" 2>&1 || true
  if grep -E '^(E|W): ' "$tmp/lintian"; then
    falla "lintian encontró errores o avisos"
  fi
  echo "lintian: sin errores ni avisos"
else
  echo "sin lintian (paquete lintian): el paquete no se revisó"
fi
echo "paquete correcto: $(basename "$deb")"
