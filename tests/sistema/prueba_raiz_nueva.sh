#!/bin/sh
# A fresh machine: a minimal Debian 12 root made with debootstrap from the archive this
# machine's apt uses. The built package is installed there with apt-get (its Depends alone,
# no Recommends), then KORVA 4 is started under Xvfb and its access screen must appear among
# the windows, and so must the team report's. That proves the Depends are complete. Where debootstrap cannot be run or
# cannot reach the archive, the test says so and is skipped.
set -u
build=$1
salta() { echo "SKIP   : $*"; exit 0; }
falla() { echo "FALLA: $*"; exit 1; }

[ "$(id -u)" -eq 0 ] || salta "hacer una raíz nueva con debootstrap necesita root"
command -v debootstrap >/dev/null 2>&1 || salta "no está instalado debootstrap (paquete debootstrap)"
command -v cpack >/dev/null 2>&1 || salta "no está cpack"

# The archive of this machine's apt: the first Debian source it lists.
archivo=$(sed -n 's/^URIs:[[:space:]]*\(http[^[:space:]]*\/debian\)[[:space:]]*$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1)
[ -n "$archivo" ] || archivo=$(sed -n 's/^deb[[:space:]]\{1,\}\(http[^[:space:]]*\/debian\)[[:space:]].*/\1/p' /etc/apt/sources.list 2>/dev/null | head -n 1)
[ -n "$archivo" ] || salta "no se encontró el archivo de Debian en las fuentes de apt"

tmp=$(mktemp -d)
raiz="$tmp/raiz"
montado=""
limpiar() {
  for m in $montado; do umount -l "$m" 2>/dev/null; done
  rm -rf "$tmp"
}
trap limpiar EXIT

(cd "$build" && cpack -G DEB -B "$tmp/paquete" > "$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log"; falla "cpack"; }
deb=$(ls "$tmp"/paquete/*.deb)

echo "debootstrap desde $archivo ..."
if ! debootstrap --variant=minbase bookworm "$raiz" "$archivo" > "$tmp/debootstrap.log" 2>&1; then
  tail -n 5 "$tmp/debootstrap.log"
  salta "debootstrap no pudo hacer la raíz desde $archivo (¿sin acceso al archivo?)"
fi
mount -t proc proc "$raiz/proc" && montado="$raiz/proc $montado"
mount -t tmpfs tmpfs "$raiz/dev/shm" 2>/dev/null && montado="$raiz/dev/shm $montado"
cp /etc/resolv.conf "$raiz/etc/resolv.conf" 2>/dev/null
rm -f "$raiz/etc/apt/sources.list"
for f in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list; do
  [ -f "$f" ] && grep -q '/debian' "$f" && cp "$f" "$raiz/etc/apt/sources.list.d/"
done
[ -f "$raiz/etc/apt/sources.list.d/sources.list" ] && mv "$raiz/etc/apt/sources.list.d/sources.list" "$raiz/etc/apt/sources.list.d/maquina.list"
cp "$deb" "$raiz/tmp/"

en_raiz() { chroot "$raiz" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }
en_raiz apt-get update -q > "$tmp/apt.log" 2>&1 || { tail -n 5 "$tmp/apt.log"; salta "apt-get update no llegó al archivo"; }
echo "instalando el paquete en la raíz nueva ..."
en_raiz apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" >> "$tmp/apt.log" 2>&1 \
  || { tail -n 20 "$tmp/apt.log"; falla "apt-get no instaló el paquete en una raíz nueva"; }
en_raiz apt-get install -y -q --no-install-recommends xvfb xauth x11-utils >> "$tmp/apt.log" 2>&1 \
  || { tail -n 20 "$tmp/apt.log"; salta "no se pudo instalar xvfb en la raíz nueva"; }

mkdir -p "$raiz/root/atletas"
cat > "$raiz/tmp/probar.sh" <<'PRUEBA'
# Each program until its window is listed: $1 the program, $2 its window's caption.
cd /root/atletas || exit 1
esperar() {
  "$1" > "/tmp/$1.log" 2>&1 &
  pid=$!
  i=0
  while [ $i -lt 60 ]; do
    xwininfo -root -tree > "/tmp/ventanas-$1" 2>/dev/null
    grep -q "$2" "/tmp/ventanas-$1" && break
    sleep 0.5; i=$((i + 1))
  done
  kill $pid 2>/dev/null
}
esperar korva4 '"KORVA 4  ENTRENAMIENTO DEPORTIVO": ("korva4"'
esperar korva4-equipo 'KORVA 4 Informe del equipo": ("korva4-equipo"'
PRUEBA
en_raiz xvfb-run -a sh /tmp/probar.sh
# the programs' own windows, by their caption and class (not the application's leader window);
# the team report's caption begins with its folder's name
if ! grep -q '"KORVA 4  ENTRENAMIENTO DEPORTIVO": ("korva4"' "$raiz/tmp/ventanas-korva4" 2>/dev/null; then
  cat "$raiz/tmp/korva4.log" 2>/dev/null
  falla "la pantalla de acceso no apareció en la raíz nueva"
fi
if ! grep -q 'KORVA 4 Informe del equipo": ("korva4-equipo"' "$raiz/tmp/ventanas-korva4-equipo" 2>/dev/null; then
  cat "$raiz/tmp/korva4-equipo.log" 2>/dev/null
  falla "el informe del equipo no apareció en la raíz nueva"
fi
grep -h -e '"KORVA 4  ENTRENAMIENTO DEPORTIVO": (' -e 'KORVA 4 Informe del equipo": ("korva4-equipo"' "$raiz"/tmp/ventanas-*
echo "KORVA 4 y su informe del equipo arrancaron desde el paquete en una raíz nueva de Debian 12"
