#!/bin/sh
# Runs a test program as a normal user: as it is when the tests run as one, through
# setpriv as the user "nobody" when they run as root. The program's temporary files go to
# a folder that user owns.
set -u
programa=$1
shift
if [ "$(id -u)" -ne 0 ]; then
  exec "$programa" "$@"
fi
if ! command -v setpriv >/dev/null 2>&1; then
  echo "SKIP   : sin setpriv (paquete util-linux) no se puede correr como usuario normal"
  exit 0
fi
tmp=$(mktemp -d)
chown 65534:65534 "$tmp"
trap 'rm -rf "$tmp"' EXIT
TMPDIR=$tmp HOME=$tmp setpriv --reuid=65534 --regid=65534 --clear-groups "$programa" "$@"
