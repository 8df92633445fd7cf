#!/bin/sh
# Installs the Debian 12 packages that building and running KORVA 4 need; with "pruebas",
# also those its tests use (a private CUPS scheduler and the PDF tools that read its jobs);
# with "imagenes", what tools/hacer_imagenes.sh draws and converts the pictures with; with
# "banco", a virtual display and a window manager to time the first paint of a real window.
# Run as root or as a user with sudo; does nothing when everything is already there.
set -e

PAQUETES="cmake make g++ pkg-config libgl-dev dpkg-dev file
qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libicu-dev libxlsxwriter-dev libminizip-dev
fonts-liberation2 fontconfig"
if [ "${1:-}" = "imagenes" ]; then
  PAQUETES="$PAQUETES imagemagick qt6-svg-dev"
fi
if [ "${1:-}" = "banco" ]; then
  PAQUETES="$PAQUETES xvfb openbox"
fi
if [ "${1:-}" = "pruebas" ]; then
  PAQUETES="$PAQUETES cups cups-client poppler-utils desktop-file-utils xdg-user-dirs libreoffice-writer-nogui
  libreoffice-calc-nogui python3 python3-openpyxl locales-all util-linux lintian appstream debootstrap unzip"
fi

faltan=""
for p in $PAQUETES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan="$faltan $p"
done
[ -z "$faltan" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  como=""
else
  como="sudo"
fi
echo "Instalando:$faltan"
$como apt-get update -q
DEBIAN_FRONTEND=noninteractive $como apt-get install -y -q --no-install-recommends $faltan
