#!/usr/bin/env python3
"""Saved evaluations, a new evaluation and a roster import, as real processes.

korva4-equipo's writing actions (the new evaluation, the import) and its saves are cut with SIGKILL at random moments,
hundreds of times: every record file must then be either the old one or the new one, byte for
byte, and every saved evaluation under its final name whole. With the evaluation program
running in the folder, both writing actions refuse and change nothing. A roster pasted from a
spreadsheet lands in the empty slots and leaves every other byte. What "new" means is worked
out here from the record layout, not taken from the program.

    prueba_evaluaciones.py KORVA4_EQUIPO COPIA_DE_PRUEBA
"""
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from prueba_salidas import registro  # noqa: E402

PROGRAMA = COPIA = None
ARCHIVOS = ["nivel1.dat", "nivel2.dat", "nivel3.dat", "nivel4.dat", "fundamentos.dat"]


def equipo(*argumentos, **kw):
    entorno = dict(os.environ, LANG="es_ES.UTF-8", QT_QPA_PLATFORM="offscreen")
    return subprocess.run([PROGRAMA, *argumentos], env=entorno, capture_output=True, text=True, timeout=60, **kw)


def archivos_completos(azar):
    """Five full files: athletes with values, a few empty slots, bytes past the 30th record."""
    datos = {}
    for nombre in ARCHIVOS:
        fundamentos = nombre == "fundamentos.dat"
        b = b""
        for n in range(1, 31):
            if azar.random() < 0.15:
                b += b"\0" * 130
                continue
            if fundamentos:
                b += registro(f"Atleta Núñez {n}", str(9 + n % 8),
                              fundamentos=[str(azar.randint(1, 30)) for _ in range(8)])
            else:
                b += registro(f"Atleta Peña {n}", str(9 + n % 8),
                              nivel=[f"{azar.uniform(1, 3):.2f}", f"{azar.uniform(5, 10):.1f}",
                                     str(azar.randint(5, 40)), str(azar.randint(5, 40)), str(azar.randint(5, 40))])
        b += b"ajeno" * 26  # a 31st record nobody may touch
        datos[nombre] = b
    return datos


def en_blanco(nombre, b):
    """The file after a new evaluation: each stored athlete's tests as blanks, all else kept."""
    fundamentos = nombre == "fundamentos.dat"
    desde, hasta = (90, 130) if fundamentos else (40, 90)
    nuevo = bytearray(b)
    for n in range(30):
        r = b[n * 130:(n + 1) * 130]
        if len(r) < 130 or not r[:30].replace(b"\0", b" ").strip():
            continue
        nuevo[n * 130 + desde:n * 130 + hasta] = b" " * (hasta - desde)
    return bytes(nuevo)


def escribir(carpeta, datos):
    for nombre, b in datos.items():
        with open(os.path.join(carpeta, nombre), "wb") as f:
            f.write(b)


def leer(ruta):
    with open(ruta, "rb") as f:
        return f.read()


class PruebaEvaluaciones(unittest.TestCase):
    def setUp(self):
        self.raiz = tempfile.mkdtemp(prefix="korva4-evaluaciones-")
        self.carpeta = os.path.join(self.raiz, "equipo")
        os.mkdir(self.carpeta)
        self.datos = archivos_completos(random.Random(12))

    def tearDown(self):
        shutil.rmtree(self.raiz, ignore_errors=True)

    def comprobar_guardadas(self, originales):
        """Every saved evaluation with its final name holds the five files whole."""
        carpeta = os.path.join(self.carpeta, "Evaluaciones")
        if not os.path.isdir(carpeta):
            return 0
        guardadas = [n for n in os.listdir(carpeta) if not n.startswith(".")]
        for n in guardadas:
            for nombre in ARCHIVOS:
                self.assertEqual(leer(os.path.join(carpeta, n, nombre)), originales[nombre], f"{n}/{nombre}")
        return len(guardadas)

    def test_nueva_evaluacion_entera(self):
        escribir(self.carpeta, self.datos)
        r = equipo("--carpeta", self.carpeta, "--nueva-evaluacion", "--guardar-evaluacion", "Inicio")
        self.assertEqual(r.returncode, 0, r.stderr)
        for nombre in ARCHIVOS:
            self.assertEqual(leer(os.path.join(self.carpeta, nombre)), en_blanco(nombre, self.datos[nombre]), nombre)
        self.assertEqual(self.comprobar_guardadas(self.datos), 1)
        guardada = os.path.join(self.carpeta, "Evaluaciones", time.strftime("%F") + " Inicio")
        self.assertFalse(os.stat(os.path.join(guardada, "nivel1.dat")).st_mode & 0o222, "las copias son de sólo lectura")
        # a second save on one day gets its own name
        r = equipo("--carpeta", self.carpeta, "--guardar-evaluacion", "Inicio")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertTrue(os.path.isdir(guardada + " (2)"))

    # The power cut: SIGKILL at a random moment, 200 times for each action. Then the next
    # writing action (an import that finds nothing new) removes what the cut left behind.
    def test_corte_de_luz(self):
        nuevos = {n: en_blanco(n, b) for n, b in self.datos.items()}
        importado = dict(self.datos)
        libre = next(n for n in range(30) if not self.datos["nivel2.dat"][n * 130:n * 130 + 30].replace(b"\0", b" ").strip())
        b = bytearray(self.datos["nivel2.dat"])
        b[libre * 130:libre * 130 + 130] = registro("Cortada Luz", "10", nivel=[""] * 5)
        importado["nivel2.dat"] = bytes(b)
        lista = os.path.join(self.raiz, "cortada.csv")
        with open(lista, "w", encoding="utf-8") as f:
            f.write("Cortada Luz;10\n")
        ya_esta = os.path.join(self.raiz, "ya-esta.csv")
        with open(ya_esta, "w", encoding="utf-8") as f:
            f.write("Atleta Peña 1\n")
        acciones = {"--nueva-evaluacion": ["--nueva-evaluacion"], "--guardar-evaluacion": ["--guardar-evaluacion", ""],
                    "--importar": ["--importar", lista, "--pestana", "nivel2"]}
        azar = random.Random(3)
        entorno = dict(os.environ, LANG="C", QT_QPA_PLATFORM="offscreen")
        cortes = {a: 0 for a in acciones}
        for vuelta in range(600):
            accion = list(acciones)[vuelta % 3]
            shutil.rmtree(self.carpeta)
            os.mkdir(self.carpeta)
            escribir(self.carpeta, self.datos)
            p = subprocess.Popen([PROGRAMA, "--carpeta", self.carpeta, *acciones[accion]],
                                 env=entorno, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(azar.uniform(0, 0.06))
            if p.poll() is None:
                p.send_signal(signal.SIGKILL)
                cortes[accion] += 1
            p.wait()
            for nombre in ARCHIVOS:
                ahora = leer(os.path.join(self.carpeta, nombre))
                permitidos = {"--nueva-evaluacion": (self.datos[nombre], nuevos[nombre]),
                              "--guardar-evaluacion": (self.datos[nombre],),
                              "--importar": (self.datos[nombre], importado[nombre])}[accion]
                self.assertIn(ahora, permitidos, f"vuelta {vuelta}: {nombre} quedó a medias")
            self.comprobar_guardadas(self.datos)
            r = equipo("--carpeta", self.carpeta, "--importar", ya_esta, "--pestana", "nivel1")
            self.assertEqual(r.returncode, 0, r.stderr)
            restos = [n for n in os.listdir(self.carpeta) if n.endswith(".tmp")]
            evaluaciones = os.path.join(self.carpeta, "Evaluaciones")
            if os.path.isdir(evaluaciones):
                restos += [n for n in os.listdir(evaluaciones) if n.startswith(".")]
            self.assertEqual(restos, [], f"vuelta {vuelta}: quedaron restos después de la acción siguiente")
        # the cuts fell while the program ran, not only before or after it
        for accion, n in cortes.items():
            self.assertGreater(n, 50, cortes)

    def test_con_korva4_abierto_no_escribe(self):
        escribir(self.carpeta, self.datos)
        entorno = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        copia = subprocess.Popen([COPIA], cwd=self.carpeta, env=entorno, stdout=subprocess.PIPE, text=True)
        try:
            self.assertIn("INICIADO", copia.stdout.readline())
            lista = os.path.join(self.raiz, "lista.txt")
            with open(lista, "w") as f:
                f.write("Nuevo Atleta\n")
            for argumentos in (["--nueva-evaluacion"], ["--importar", lista, "--pestana", "nivel1"]):
                with self.subTest(argumentos=argumentos):
                    r = equipo("--carpeta", self.carpeta, *argumentos)
                    self.assertNotEqual(r.returncode, 0)
                    self.assertIn("KORVA 4 está abierto", r.stderr)
                    for nombre in ARCHIVOS:
                        self.assertEqual(leer(os.path.join(self.carpeta, nombre)), self.datos[nombre])
            self.assertFalse(os.path.exists(os.path.join(self.carpeta, "Evaluaciones")))
        finally:
            copia.kill()
            copia.wait()
            copia.stdout.close()

    def test_importar_lista_de_hoja_de_calculo(self):
        escribir(self.carpeta, self.datos)
        original = self.datos["nivel2.dat"]
        libres = [n for n in range(30) if not original[n * 130:n * 130 + 30].replace(b"\0", b" ").strip()]
        self.assertGreaterEqual(len(libres), 3)
        # as a spreadsheet copies two columns: tabs, a header row, accents, a name already there
        lista = os.path.join(self.raiz, "lista.txt")
        with open(lista, "w", encoding="utf-8") as f:
            f.write("Nombre\tEdad\r\nÁlvaro Gómez\t10\r\nAtleta Peña 2\t11\r\nZoë Ibáñez-Muñoz de la Peña y Sánchez\t\r\n")
        r = equipo("--carpeta", self.carpeta, "--importar", lista, "--pestana", "nivel2")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("2 atletas importados", r.stdout)
        ahora = leer(os.path.join(self.carpeta, "nivel2.dat"))
        esperado = bytearray(original)
        nuevos = [registro("Álvaro Gómez", "10", nivel=[""] * 5), registro("Zoë Ibáñez-Muñoz de la Peña y Sánchez", "", nivel=[""] * 5)]
        for n, r in zip(libres, nuevos):
            esperado[n * 130:n * 130 + 90] = r[:90]
        self.assertEqual(ahora, bytes(esperado))
        for nombre in ARCHIVOS:
            if nombre != "nivel2.dat":
                self.assertEqual(leer(os.path.join(self.carpeta, nombre)), self.datos[nombre])

        # in Windows-1252 with ";", and more names than free slots: nothing is written
        lista = os.path.join(self.raiz, "lista.csv")
        with open(lista, "w", encoding="cp1252") as f:
            f.write("Nombre;Edad\n" + "".join(f"Añadido {i};9\n" for i in range(31)))
        r = equipo("--carpeta", self.carpeta, "--importar", lista, "--pestana", "nivel2")
        self.assertNotEqual(r.returncode, 0)
        self.assertIn("no se importó ninguno", r.stderr)
        self.assertEqual(leer(os.path.join(self.carpeta, "nivel2.dat")), ahora)


if __name__ == "__main__":
    COPIA = os.path.abspath(sys.argv.pop(2))
    PROGRAMA = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
