#!/bin/sh
# Installs the built program under a scratch prefix and builds its Debian package, then
# checks that both hold the program, its desktop entry and its icon, and that the package
# names the packages the program needs.
set -eu
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
falla() { echo "FALLA: $*"; exit 1; }

cmake --install "$build" --prefix "$tmp/prefijo" > "$tmp/install.log"
for f in bin/korva4 share/applications/korva4.desktop share/icons/hicolor/32x32/apps/korva4.png \
         share/icons/hicolor/256x256/apps/korva4.png; do
  [ -f "$tmp/prefijo/$f" ] || falla "cmake --install no puso $f"
done
[ -x "$tmp/prefijo/bin/korva4" ] || falla "korva4 no es ejecutable"
grep -q '^Categories=.*Education;.*Sports;' "$tmp/prefijo/share/applications/korva4.desktop" || falla "categorías"
grep -q '^Exec=korva4$' "$tmp/prefijo/share/applications/korva4.desktop" || falla "Exec"
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$tmp/prefijo/share/applications/korva4.desktop" || falla "la entrada de escritorio no es válida"
fi

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
for f in ./usr/bin/korva4 ./usr/share/applications/korva4.desktop ./usr/share/icons/hicolor/256x256/apps/korva4.png; do
  grep -q " $f\$" "$tmp/contenido" || falla "el paquete no trae $f"
done
echo "paquete correcto: $(basename "$deb")"
