#!/bin/sh
# A private CUPS scheduler for the real-printer test: its own configuration, spool and socket
# under the folder given, a queue that keeps every job file, made the default printer.
#   impresora_de_prueba.sh iniciar CARPETA   starts it (or writes why it cannot)
#   impresora_de_prueba.sh parar CARPETA     stops the scheduler it started
# The test reads CARPETA/no-disponible for the reason it has to skip.
set -u
accion=$1
D=$2

case "$accion" in
iniciar)
  rm -rf "$D"
  mkdir -p "$D/spool/tmp" "$D/tmp" "$D/cache" "$D/state" "$D/log"
  falta() { echo "$1" > "$D/no-disponible"; echo "impresora de prueba: $1"; exit 0; }
  [ "$(id -u)" -eq 0 ] || falta "CUPS de prueba necesita root para arrancar su propio cupsd"
  command -v cupsd >/dev/null 2>&1 || falta "no está instalado cupsd (paquete cups)"
  command -v lpadmin >/dev/null 2>&1 || falta "no está instalado lpadmin (paquete cups-client)"
  command -v pdftoppm >/dev/null 2>&1 || falta "no está instalado pdftoppm (paquete poppler-utils)"
  chmod 1777 "$D/tmp"
  cat > "$D/cups-files.conf" <<CONF
ServerRoot $D
RequestRoot $D/spool
TempDir $D/tmp
CacheDir $D/cache
StateDir $D/state
AccessLog $D/log/access_log
ErrorLog $D/log/error_log
PageLog $D/log/page_log
Printcap $D/printcap
User lp
Group lp
SystemGroup root
CONF
  cat > "$D/cupsd.conf" <<CONF
Listen $D/cups.sock
LogLevel info
Browsing Off
DefaultAuthType None
WebInterface No
PreserveJobFiles Yes
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cupsd -f -c "$D/cupsd.conf" -s "$D/cups-files.conf" > "$D/log/cupsd.out" 2>&1 &
  echo $! > "$D/cupsd.pid"
  i=0
  while [ ! -S "$D/cups.sock" ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
  [ -S "$D/cups.sock" ] || falta "cupsd no arrancó: $(tail -n 3 "$D/log/cupsd.out" "$D/log/error_log" 2>/dev/null | tr '\n' ' ')"
  export CUPS_SERVER="$D/cups.sock"
  lpadmin -p KORVA4_PRUEBA -E -v file:///dev/null -D "Impresora de prueba de KORVA 4" 2>> "$D/log/lpadmin" \
    || falta "lpadmin no pudo crear la cola: $(cat "$D/log/lpadmin")"
  lpadmin -d KORVA4_PRUEBA 2>> "$D/log/lpadmin" || falta "lpadmin no pudo hacerla predeterminada"
  echo "impresora de prueba lista en $D"
  ;;
parar)
  if [ -f "$D/cupsd.pid" ]; then
    kill "$(cat "$D/cupsd.pid")" 2>/dev/null
    i=0
    while kill -0 "$(cat "$D/cupsd.pid")" 2>/dev/null && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
    rm -f "$D/cupsd.pid"
  fi
  ;;
esac
exit 0
