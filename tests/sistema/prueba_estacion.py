#!/usr/bin/env python3
"""One test for the whole squad, as real processes: the command line's --valores and the
station grid's recovery file.

A list of names and values lands in that test's field alone, byte for byte, under es_ES.UTF-8
and C; a list with one unknown name, an unreadable value or a doubled name writes nothing and
says every reason; while the evaluation program runs in the folder, nothing is written. A
grid killed with SIGKILL after some values offers them back when it is opened again.

    prueba_estacion.py KORVA4_EQUIPO COPIA_DE_PRUEBA ESTACION_DE_PRUEBA
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from prueba_salidas import registro  # noqa: E402

PROGRAMA = COPIA = ESTACION = None
NOMBRES = ["José Núñez", "Ana Peña", "Luis Pérez", "Zoë Ibáñez", "Iñaki Güell"]


def equipo(*argumentos, lang="es_ES.UTF-8"):
    entorno = dict(os.environ, LANG=lang, LC_ALL=lang, QT_QPA_PLATFORM="offscreen")
    entorno.pop("DISPLAY", None)
    return subprocess.run([PROGRAMA, *argumentos], env=entorno, capture_output=True, text=True, timeout=60)


class PruebaEstacion(unittest.TestCase):
    def setUp(self):
        self.raiz = tempfile.mkdtemp(prefix="korva4-estacion-")
        self.carpeta = os.path.join(self.raiz, "equipo")
        os.mkdir(self.carpeta)
        self.antes = b"".join(registro(n, "11", nivel=["1.25", "", "25", "26", "27"]) for n in NOMBRES) + b"ajeno" * 26
        self.escribir(self.antes)

    def tearDown(self):
        shutil.rmtree(self.raiz, ignore_errors=True)

    def escribir(self, b):
        with open(os.path.join(self.carpeta, "nivel2.dat"), "wb") as f:
            f.write(b)

    def leer(self):
        with open(os.path.join(self.carpeta, "nivel2.dat"), "rb") as f:
            return f.read()

    def lista(self, nombre, texto, codificacion="utf-8"):
        ruta = os.path.join(self.raiz, nombre)
        with open(ruta, "w", encoding=codificacion, newline="") as f:
            f.write(texto)
        return ruta

    def test_valores_en_su_campo_solo(self):
        valores = {"José Núñez": "8,45", "Ana Peña": "7.9", "Luis Pérez": "", "Zoë Ibáñez": "9,1"}
        for lang in ("es_ES.UTF-8", "C"):
            for codificacion, sep in (("utf-8", ";"), ("utf-16", "\t"), ("cp1252", ",")):
                with self.subTest(lang=lang, codificacion=codificacion):
                    self.escribir(self.antes)
                    texto = f"Nombre{sep}Velocidad\r\n" + "".join(
                        f'"{n.upper()}"{sep}"{v}"\r\n' if sep == "," else f"{n.upper()}{sep}{v}\r\n"
                        for n, v in valores.items())
                    r = equipo("--carpeta", self.carpeta, "--pestana", "nivel2", "--prueba", "VELOCIDAD",
                               "--valores", self.lista("v.csv", texto, codificacion), lang=lang)
                    self.assertEqual(r.returncode, 0, r.stderr)
                    esperado = bytearray(self.antes)
                    for i, n in enumerate(NOMBRES):
                        if n in valores:
                            esperado[i * 130 + 50:i * 130 + 60] = valores[n].encode().ljust(10, b" ")
                    self.assertEqual(self.leer(), bytes(esperado))
                    self.assertIn("3 valores de «Velocidad» guardados", r.stdout)

    def test_una_falta_no_escribe_nada(self):
        casos = [
            ("Ana Peña;7\nNadie Más;8\n", ["«Nadie Más»: no hay ningún atleta"]),
            ("Ana Peña;1:35\nLuis Pérez;ocho\n", ["«1:35»", "«ocho» no es un número", "Segundos, con decimales"]),
            ("Ana Peña;7\nAna Peña;8\n", ["ya tiene un valor"]),
        ]
        for texto, razones in casos:
            with self.subTest(texto=texto):
                r = equipo("--carpeta", self.carpeta, "--pestana", "nivel2", "--prueba", "Velocidad",
                           "--valores", self.lista("v.csv", texto))
                self.assertEqual(r.returncode, 1)
                for razon in razones:
                    self.assertIn(razon, r.stderr)
                self.assertEqual(self.leer(), self.antes)
        # two athletes of one name: flagged, not written
        self.escribir(self.antes + registro("Ana Peña", "10"))
        r = equipo("--carpeta", self.carpeta, "--pestana", "nivel2", "--prueba", "Velocidad",
                   "--valores", self.lista("v.csv", "Ana Peña;7\n"))
        self.assertEqual(r.returncode, 1)
        self.assertIn("dos atletas tienen ese nombre", r.stderr)
        # a soft warning is said and the value stored
        self.escribir(self.antes)
        r = equipo("--carpeta", self.carpeta, "--pestana", "nivel2", "--prueba", "Lagartijas",
                   "--valores", self.lista("v.csv", "Ana Peña;300\n"))
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("aviso", r.stderr)
        self.assertEqual(self.leer()[130 + 60:130 + 70], b"300".ljust(10))

    def test_con_korva4_abierto(self):
        entorno = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        copia = subprocess.Popen([COPIA], cwd=self.carpeta, env=entorno, stdout=subprocess.PIPE, text=True)
        try:
            self.assertIn("INICIADO", copia.stdout.readline())
            r = equipo("--carpeta", self.carpeta, "--pestana", "nivel2", "--prueba", "Velocidad",
                       "--valores", self.lista("v.csv", "Ana Peña;7\n"))
            self.assertEqual(r.returncode, 1)
            self.assertIn("KORVA 4 está abierto", r.stderr)
            self.assertEqual(self.leer(), self.antes)
        finally:
            copia.kill()
            copia.wait()
            copia.stdout.close()

    def test_recuperar_tras_un_corte(self):
        entorno = dict(os.environ, QT_QPA_PLATFORM="offscreen", LANG="es_ES.UTF-8")
        p = subprocess.Popen([ESTACION, self.carpeta, "1", "1", "8,45", "", "7.9"], env=entorno,
                             stdout=subprocess.PIPE, text=True)
        try:
            self.assertEqual(p.stdout.readline().strip(), "TECLEADO")
            p.send_signal(signal.SIGKILL)
            p.wait()
        finally:
            p.stdout.close()
        self.assertEqual(self.leer(), self.antes, "lo tecleado no se guarda solo")
        r = subprocess.run([ESTACION, self.carpeta, "1", "1", "--recuperar"], env=entorno, capture_output=True,
                           text=True, timeout=60)
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertEqual(r.stdout.splitlines(), ["1\t8,45", "3\t7.9"])


if __name__ == "__main__":
    ESTACION = os.path.abspath(sys.argv.pop(3))
    COPIA = os.path.abspath(sys.argv.pop(2))
    PROGRAMA = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
