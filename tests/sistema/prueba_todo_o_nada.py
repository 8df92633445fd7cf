#!/usr/bin/env python3
"""Every writing action of korva4-equipo all or nothing, as a coach (or an attacker) meets it.

Real processes over a team folder made here byte by byte: arguments checked before the first
byte changes, a busy file (a disk mounted on it, in a private mount namespace), a FIFO and
/dev/zero as a roster, sparse files of gigabytes under a memory limit (prlimit), a saved
evaluation that cannot be read, a read-only file as a normal user, a full disk, two saves in
one second, labels of every kind, and the leftovers of runs cut off. After each refusal every
record file is the old one, byte for byte, nothing of the writer's is left beside them, and
the reason names the path.

    prueba_todo_o_nada.py KORVA4_EQUIPO
"""
import os
import random
import shutil
import stat
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from prueba_evaluaciones import ARCHIVOS, archivos_completos, escribir, leer  # noqa: E402

PROGRAMA = None
NADIE = 65534  # the user "nobody"
# A build with AddressSanitizer reserves terabytes of address space at start: a memory limit
# stops it before the program runs. There the sources are still refused, without the limit.
CON_SANITIZADORES = bool(os.environ.get("KORVA_SANITIZADORES"))


def limite_de_memoria():
    return ["prlimit", "--as=3221225472"] if shutil.which("prlimit") and not CON_SANITIZADORES else []


def equipo(*argumentos, lang="es_ES.UTF-8", antes=(), timeout=60):
    entorno = dict(os.environ, LANG=lang, LC_ALL=lang, QT_QPA_PLATFORM="offscreen")
    entorno.pop("DISPLAY", None)
    return subprocess.run([*antes, PROGRAMA, *argumentos], env=entorno, capture_output=True, text=True,
                          timeout=timeout)


class PruebaTodoONada(unittest.TestCase):
    def setUp(self):
        self.raiz = tempfile.mkdtemp(prefix="korva4-todo-o-nada-")
        os.chmod(self.raiz, 0o755)
        self.carpeta = os.path.join(self.raiz, "equipo")
        os.mkdir(self.carpeta)
        self.datos = archivos_completos(random.Random(5))
        escribir(self.carpeta, self.datos)
        self.lista = os.path.join(self.raiz, "lista.csv")
        with open(self.lista, "w", encoding="utf-8") as f:
            f.write("Nombre;Edad\nNueva Atleta;10\n")

    def tearDown(self):
        subprocess.run(["chmod", "-R", "u+w", self.raiz])
        shutil.rmtree(self.raiz, ignore_errors=True)

    def sin_cambios(self, contexto, evaluaciones=0):
        """Every record file as it was; no saved evaluation made; nothing of the writer's left."""
        for nombre in ARCHIVOS:
            ruta = os.path.join(self.carpeta, nombre)
            if os.path.isfile(ruta) and not os.path.islink(ruta) and os.path.getsize(ruta) < 1 << 20:
                self.assertEqual(leer(ruta), self.datos[nombre], f"{contexto}: {nombre} cambió")
        restos = [n for n in os.listdir(self.carpeta) if n.endswith(".tmp")]
        self.assertEqual(restos, [], contexto)
        guardadas = os.path.join(self.carpeta, "Evaluaciones")
        hechas = [n for n in os.listdir(guardadas)] if os.path.isdir(guardadas) else []
        self.assertEqual(len(hechas), evaluaciones, f"{contexto}: {hechas}")

    # Fault 2: an argument that is wrong, wherever it stands, stops everything before a write.
    def test_argumentos_antes_de_escribir(self):
        un_archivo = os.path.join(self.raiz, "soy-un-archivo")
        open(un_archivo, "w").close()
        casos = [
            (["--nueva-evaluacion", "--exportar", "x.txt"], ".txt"),
            (["--nueva-evaluacion", "--exportar", "x.csv"], "--pestana"),
            (["--nueva-evaluacion", "--exportar", "x.xlsx", "--comparar-con", "no-existe"], "no-existe"),
            (["--importar", self.lista, "--pestana", "nivel2", "--exportar", "x.pdf"], ".pdf"),
            (["--nueva-evaluacion", "--hojas", un_archivo], un_archivo),
            (["--nueva-evaluacion", "--pestana", "nivel9"], "nivel9"),
            (["--exportar", "x.xlsx", "--nueva-evaluacion", "--comparar-con", "no-existe"], "no-existe"),
            (["--nueva-evaluacion", "--exportar", os.path.join(self.raiz, "falta", "x.xlsx")],
             os.path.join(self.raiz, "falta")),
        ]
        for argumentos, dicho in casos:
            with self.subTest(argumentos=argumentos):
                r = equipo("--carpeta", self.carpeta, *argumentos)
                self.assertNotEqual(r.returncode, 0, r.stdout)
                self.assertIn(dicho, r.stderr)
                self.sin_cambios(" ".join(argumentos))

    # Fault 11: every failure names the path and the reason.
    def test_razones(self):
        un_archivo = os.path.join(self.raiz, "soy-un-archivo")
        open(un_archivo, "w").close()
        casos = [
            (["--importar", os.path.join(self.raiz, "no-esta.csv"), "--pestana", "nivel2"], "no-esta.csv",
             "no existe"),
            (["--importar", self.raiz, "--pestana", "nivel2"], self.raiz, "es una carpeta"),
            (["--hojas", un_archivo], un_archivo, "no es una carpeta"),
            (["--exportar", os.path.join(self.raiz, "salida", "x.xlsx")], os.path.join(self.raiz, "salida"),
             "no existe"),
        ]
        for argumentos, ruta, razon in casos:
            with self.subTest(argumentos=argumentos):
                r = equipo("--carpeta", self.carpeta, *argumentos)
                self.assertNotEqual(r.returncode, 0)
                self.assertIn(ruta, r.stderr)
                self.assertIn(razon, r.stderr)
                self.sin_cambios(" ".join(argumentos))

    # Faults 3 and 4: a FIFO is never waited on, and no source is read past its bound.
    def test_fuentes_sin_fin(self):
        fifo = os.path.join(self.raiz, "tuberia")
        os.mkfifo(fifo)
        limite = limite_de_memoria()
        for fuente, razon in ((fifo, "tubería"), ("/dev/zero", "dispositivo"), ("/dev/urandom", "dispositivo")):
            with self.subTest(fuente=fuente):
                r = equipo("--carpeta", self.carpeta, "--importar", fuente, "--pestana", "nivel2", antes=limite,
                           timeout=20)
                self.assertEqual(r.returncode, 1, r.stderr)
                self.assertIn(fuente, r.stderr)
                self.assertIn(razon, r.stderr)
                self.sin_cambios(fuente)
        enorme = os.path.join(self.raiz, "enorme.csv")
        with open(enorme, "wb") as f:
            f.truncate(8 << 30)
        r = equipo("--carpeta", self.carpeta, "--importar", enorme, "--pestana", "nivel2", antes=limite, timeout=20)
        self.assertEqual(r.returncode, 1, r.stderr)
        self.assertIn("demasiado grande", r.stderr)

    def test_archivo_de_registros_disperso(self):
        ruta = os.path.join(self.carpeta, "nivel2.dat")
        with open(ruta, "r+b") as f:
            f.truncate(8 << 30)
        for argumentos in (["--guardar-evaluacion", "x"], ["--nueva-evaluacion"],
                           ["--importar", self.lista, "--pestana", "nivel2"]):
            with self.subTest(argumentos=argumentos):
                r = equipo("--carpeta", self.carpeta, *argumentos, antes=limite_de_memoria(), timeout=30)
                self.assertEqual(r.returncode, 1, r.stderr)
                self.assertIn("demasiado grande", r.stderr)
                self.assertIn(ruta, r.stderr)
                self.sin_cambios(" ".join(argumentos))
                guardadas = os.path.join(self.carpeta, "Evaluaciones")
                self.assertEqual(os.listdir(guardadas) if os.path.isdir(guardadas) else [], [])

    # Fault 5: a saved evaluation that cannot be read is not compared as "all new".
    def test_evaluacion_guardada_ilegible(self):
        r = equipo("--carpeta", self.carpeta, "--guardar-evaluacion", "Inicio")
        self.assertEqual(r.returncode, 0, r.stderr)
        guardada = os.path.join(self.carpeta, "Evaluaciones", time.strftime("%F") + " Inicio")
        archivo = os.path.join(guardada, "nivel2.dat")
        os.chmod(guardada, 0o755)
        maneras = {
            "fifo": lambda: os.mkfifo(archivo),
            "carpeta": lambda: os.mkdir(archivo),
            "/dev/zero": lambda: os.symlink("/dev/zero", archivo),
        }
        for nombre, hacer in maneras.items():
            with self.subTest(manera=nombre):
                if os.path.isdir(archivo) and not os.path.islink(archivo):
                    os.rmdir(archivo)
                elif os.path.lexists(archivo):
                    os.unlink(archivo)
                hacer()
                for salida in ("e.xlsx", "e.csv"):
                    r = equipo("--carpeta", self.carpeta, "--exportar", os.path.join(self.raiz, salida),
                               "--pestana", "nivel2", "--comparar-con", os.path.basename(guardada))
                    self.assertEqual(r.returncode, 1, r.stdout)
                    self.assertIn(archivo, r.stderr)
                    self.assertFalse(os.path.exists(os.path.join(self.raiz, salida)))

    # Fault 6: a read-only record file, for a normal user, is refused before anything changes.
    def test_solo_lectura_como_usuario(self):
        antes = []
        if os.geteuid() == 0:
            if not shutil.which("setpriv"):
                self.skipTest("sin setpriv (paquete util-linux) no se corre como usuario normal")
            subprocess.run(["chown", "-R", f"{NADIE}:{NADIE}", self.raiz], check=True)
            antes = ["setpriv", f"--reuid={NADIE}", f"--regid={NADIE}", "--clear-groups"]
        ruta = os.path.join(self.carpeta, "nivel1.dat")
        os.chmod(ruta, 0o444)
        for argumentos in (["--nueva-evaluacion"], ["--importar", self.lista, "--pestana", "nivel1"]):
            with self.subTest(argumentos=argumentos):
                r = equipo("--carpeta", self.carpeta, *argumentos, antes=antes)
                self.assertEqual(r.returncode, 1, r.stdout)
                self.assertIn(ruta, r.stderr)
                self.assertIn("solo lectura", r.stderr)
                self.assertEqual(stat.S_IMODE(os.stat(ruta).st_mode), 0o444)
                self.sin_cambios(" ".join(argumentos))

    # Fault 1: a disk mounted on one file (here the last one written): nothing changes.
    def test_archivo_ocupado(self):
        if os.geteuid() != 0 or not shutil.which("unshare"):
            self.skipTest("hace falta root y unshare para montar un archivo sobre otro")
        copia = os.path.join(self.raiz, "copia.dat")
        shutil.copy(os.path.join(self.carpeta, "fundamentos.dat"), copia)
        guion = f"""
            mount --bind "{copia}" "{self.carpeta}/fundamentos.dat" || exit 99
            LANG=es_ES.UTF-8 QT_QPA_PLATFORM=offscreen "{PROGRAMA}" --carpeta "{self.carpeta}" --nueva-evaluacion
            echo "rc=$?"
        """
        r = subprocess.run(["unshare", "--mount", "--propagation", "private", "sh", "-c", guion],
                           capture_output=True, text=True, timeout=60)
        if r.returncode == 99:
            self.skipTest("no se pudo montar: " + r.stderr.strip())
        self.assertIn("rc=1", r.stdout, r.stderr)
        self.assertIn("fundamentos.dat", r.stderr)
        self.assertIn("ocupado", r.stderr)
        self.sin_cambios("montado")

    # A full disk at any size: either the whole new evaluation or nothing.
    def test_disco_lleno(self):
        if os.geteuid() != 0 or not shutil.which("unshare"):
            self.skipTest("hace falta root y unshare para montar un disco pequeño propio")
        nuevos = None
        for kb in range(32, 176, 8):
            with self.subTest(kb=kb):
                disco = os.path.join(self.raiz, f"disco{kb}")
                os.mkdir(disco)
                guion = f"""
                    mount -t tmpfs -o size={kb}k tmpfs "{disco}" || exit 99
                    cp "{self.carpeta}"/*.dat "{disco}/"
                    dd if=/dev/zero of="{disco}/relleno" bs=4k count=6 2>/dev/null
                    LANG=C QT_QPA_PLATFORM=offscreen "{PROGRAMA}" --carpeta "{disco}" --nueva-evaluacion >/dev/null
                    echo "rc=$?"
                    rm -f "{disco}/relleno"
                    cd "{disco}" && for f in *.dat; do printf '%s ' "$f"; od -An -v -tx1 "$f" | tr -d ' \\n'; echo; done
                    ls -a "{disco}"
                """
                r = subprocess.run(["unshare", "--mount", "--propagation", "private", "sh", "-c", guion],
                                   capture_output=True, text=True, timeout=60)
                if r.returncode == 99:
                    self.skipTest("no se pudo montar un tmpfs: " + r.stderr.strip())
                hecho = "rc=0" in r.stdout
                if not hecho:
                    self.assertIn("espacio", r.stderr)
                for linea in r.stdout.splitlines():
                    if linea.endswith(".dat") or " " not in linea or linea.startswith("rc="):
                        continue
                    nombre, bytes_hex = linea.split(" ", 1)
                    if nombre not in self.datos:
                        continue
                    ahora = bytes.fromhex(bytes_hex)
                    if hecho:
                        self.assertNotEqual(ahora, self.datos[nombre], f"{kb} kB: {nombre} no se puso en blanco")
                    else:
                        self.assertEqual(ahora, self.datos[nombre], f"{kb} kB: {nombre} cambió sin hacerse")
                self.assertNotIn(".tmp", r.stdout)
                nuevos = nuevos or hecho
        self.assertTrue(nuevos, "con el disco más grande la nueva evaluación se hace")

    # Fault 8: what earlier runs left under the writer's names goes; the coach's files stay.
    def test_restos(self):
        nuestros = [".nivel2.dat.zz9.tmp", ".fundamentos.dat.a1b2c3.tmp"]
        ajenos = [".nivel2.dat.mis notas.tmp", "notas.txt", "nivel2.dat.bak"]
        for n in nuestros + ajenos:
            with open(os.path.join(self.carpeta, n), "w") as f:
                f.write("resto")
        os.makedirs(os.path.join(self.carpeta, "Evaluaciones", ".guardando-q1w2e3"))
        r = equipo("--carpeta", self.carpeta, "--importar", self.lista, "--pestana", "nivel2")
        self.assertEqual(r.returncode, 0, r.stderr)
        quedan = set(os.listdir(self.carpeta))
        for n in nuestros:
            self.assertNotIn(n, quedan)
        for n in ajenos:
            self.assertIn(n, quedan)
        self.assertEqual(os.listdir(os.path.join(self.carpeta, "Evaluaciones")), [])

    # Fault 9: two saves in the same second each get a name of their own.
    def test_dos_guardadas_a_la_vez(self):
        vacia = os.path.join(self.raiz, "vacia")
        entorno = dict(os.environ, LANG="C", QT_QPA_PLATFORM="offscreen")
        for vuelta in range(200):
            shutil.rmtree(vacia, ignore_errors=True)
            os.mkdir(vacia)
            procesos = [subprocess.Popen([PROGRAMA, "--carpeta", vacia, "--guardar-evaluacion", "x"], env=entorno,
                                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
                        for _ in range(2)]
            salidas = [p.communicate(timeout=30) for p in procesos]
            for p, (_, err) in zip(procesos, salidas):
                self.assertEqual(p.returncode, 0, err)
            rutas = {s.strip() for s, _ in salidas}
            self.assertEqual(len(rutas), 2, f"vuelta {vuelta}: {rutas}")
            self.assertEqual(len(os.listdir(os.path.join(vacia, "Evaluaciones"))), 2, f"vuelta {vuelta}")

    # Fault 10: labels cut by characters, composed, without invisible characters; found by label.
    def test_etiquetas(self):
        casos = [
            ("a" * 79 + "\U0001F600" + "zzz", "a" * 79 + "\U0001F600"),
            ("Evaluacio\u0301n", "Evaluación"),
            ("Ana\u202eetnI\u200b", "AnaetnI"),
        ]
        hoy = time.strftime("%F")
        for etiqueta, nombre in casos:
            with self.subTest(etiqueta=etiqueta):
                r = equipo("--carpeta", self.carpeta, "--guardar-evaluacion", etiqueta)
                self.assertEqual(r.returncode, 0, r.stderr)
                self.assertIn(hoy + " " + nombre, os.listdir(os.path.join(self.carpeta, "Evaluaciones")))
                self.assertNotIn("\ufffd", r.stdout)
        for vez in range(10):
            r = equipo("--carpeta", self.carpeta, "--guardar-evaluacion", "€" * 80)
            self.assertEqual(r.returncode, 0, f"vez {vez + 1}: {r.stderr}")
        # by its label alone, in another form
        r = equipo("--carpeta", self.carpeta, "--exportar", os.path.join(self.raiz, "e.csv"), "--pestana", "nivel2",
                   "--comparar-con", "EVALUACIÓN")
        self.assertEqual(r.returncode, 0, r.stderr)
        r = equipo("--carpeta", self.carpeta, "--exportar", os.path.join(self.raiz, "e.csv"), "--pestana", "nivel2",
                   "--comparar-con", "€" * 79)
        self.assertEqual(r.returncode, 2)
        self.assertIn("10 evaluaciones", r.stderr)


if __name__ == "__main__":
    PROGRAMA = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
