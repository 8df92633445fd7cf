#!/usr/bin/env python3
"""What leaves korva4-equipo, read back by readers nobody here wrote.

The team report runs as a real process from its command line, under the C locale and under
es_ES.UTF-8 (a Spanish desktop), over record files made here byte by byte. Its .xlsx is read
by openpyxl and by LibreOffice Calc, its CSV by Calc; the values expected are the scoring's
worked examples, not anything the program computed. Then the ways a file can go wrong: a
full disk, a link at the target, a FIFO or a folder in a record file's place.

    prueba_salidas.py KORVA4_EQUIPO
"""
import csv
import glob
import os
import shutil
import stat
import subprocess
import sys
import tempfile
import unittest

PROGRAMA = None

# An athlete record: name 30, age 10, five level tests of 10, eight fundamentals of 5.
def registro(nombre, edad, nivel=(), fundamentos=()):
    def campo(texto, ancho):
        return texto.encode("cp1252")[:ancho].ljust(ancho, b" ")
    b = campo(nombre, 30) + campo(edad, 10)
    b += b"".join(campo(t, 10) for t in nivel) if nivel else b"\0" * 50
    b += b"".join(campo(t, 5) for t in fundamentos) if fundamentos else b"\0" * 40
    assert len(b) == 130
    return b

TIPICO = ("1,25", "8,5", "25", "26", "27")              # level 2: 50 25 75 50 III IV II III
RESULTADOS_TIPICO = [50, 25, 75, 50, "III", "IV", "II", "III"]
FORMULAS = ["=1+1", '=HYPERLINK("http://x","y")', "+cmd", "-2+3", "@SUM(1)"]
NIVEL2 = [("José Núñez", "10", TIPICO)] + [(n, "11", ("1.25", "8.5", "25", "26", "27")) for n in FORMULAS] \
    + [("Ana", "=1+1", TIPICO), ("-2", "12", TIPICO)]
FUNDAMENTOS = ("12", "13", "7", "8", "9", "5", "6", "7")  # 75 80 60 72 II II III III


def carpeta_de_registros(raiz):
    d = os.path.join(raiz, "registros")
    os.makedirs(d)
    with open(os.path.join(d, "nivel2.dat"), "wb") as f:
        f.write(b"".join(registro(n, e, nivel=v) for n, e, v in NIVEL2))
    with open(os.path.join(d, "fundamentos.dat"), "wb") as f:
        f.write(registro("Luis Pérez", "12", fundamentos=FUNDAMENTOS))
    return d


def equipo(*argumentos, lang="C", **kw):
    entorno = dict(os.environ, LANG=lang, LC_ALL=lang, QT_QPA_PLATFORM="offscreen")
    entorno.pop("DISPLAY", None)
    return subprocess.run([PROGRAMA, *argumentos], env=entorno, capture_output=True, text=True, timeout=60, **kw)


def soffice(perfil, *argumentos, cwd):
    r = subprocess.run(["soffice", "-env:UserInstallation=file://" + perfil, "--headless", *argumentos],
                       cwd=cwd, env=dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8"),
                       capture_output=True, text=True, timeout=300)
    if r.returncode != 0:
        raise AssertionError("LibreOffice falló: " + r.stdout + r.stderr)


def numero(texto):
    return float(texto)


class PruebaSalidas(unittest.TestCase):
    def setUp(self):
        self.raiz = tempfile.mkdtemp(prefix="korva4-salidas-")
        self.carpeta = carpeta_de_registros(self.raiz)

    def tearDown(self):
        shutil.rmtree(self.raiz, ignore_errors=True)

    def comprobar_filas(self, filas, leer_numero, leer_texto):
        """filas: the NIVEL 2 sheet's rows after the header, cells as the reader gave them."""
        self.assertEqual(len(filas), len(NIVEL2))
        for i, (nombre, edad, valores) in enumerate(NIVEL2):
            celdas = filas[i]
            self.assertEqual(leer_numero(celdas[0]), i + 1)
            self.assertEqual(leer_texto(celdas[1]).lstrip("'"), nombre)
            if edad.isdigit():
                self.assertEqual(leer_numero(celdas[2]), float(edad))
            else:
                self.assertEqual(leer_texto(celdas[2]).lstrip("'"), edad)
            crudos = [float(v.replace(",", ".")) for v in valores]
            self.assertEqual([leer_numero(c) for c in celdas[3:8]], crudos, f"fila {i + 1}")
            esperado = [float(v) if isinstance(v, int) else v for v in RESULTADOS_TIPICO]
            self.assertEqual([leer_numero(c) for c in celdas[8:12]] + [leer_texto(c) for c in celdas[12:16]],
                             esperado, f"fila {i + 1}")

    # 1 and 11: the .xlsx of all five tabs, on a C and on a Spanish desktop.
    def test_xlsx_leido_por_openpyxl_y_calc(self):
        import openpyxl
        for lang in ("C", "es_ES.UTF-8"):
            with self.subTest(lang=lang):
                destino = os.path.join(self.raiz, f"equipo-{lang}.xlsx")
                r = equipo("--carpeta", self.carpeta, "--exportar", destino, lang=lang)
                self.assertEqual(r.returncode, 0, r.stderr)
                self.assertIn("Guardado en", r.stdout)

                libro = openpyxl.load_workbook(destino)
                self.assertEqual(libro.sheetnames, ["Resumen", "NIVEL 1 (8-9años)", "NIVEL 2 (10-11 años)",
                                                    "NIVEL 3 (12-14 años)", "NIVEL 4 (15-17 años)",
                                                    "FUNDAMENTOS TECNICOS"])
                hoja = libro["NIVEL 2 (10-11 años)"]
                filas = [list(f) for f in hoja.iter_rows(min_row=2, values_only=True)]

                def num(c):
                    self.assertIsInstance(c, (int, float), f"{c!r} no es un número")
                    return float(c)

                def txt(c):
                    self.assertIsInstance(c, str)
                    return c
                self.comprobar_filas(filas, num, txt)
                self.assertTrue(hoja["A1"].font.b, "la cabecera va en negrita")
                fund = [list(f) for f in libro["FUNDAMENTOS TECNICOS"].iter_rows(min_row=2, values_only=True)]
                self.assertEqual(fund[0][1], "Luis Pérez")
                self.assertEqual(fund[0][3:11], [12, 13, 7, 8, 9, 5, 6, 7])
                self.assertEqual(fund[0][11:], [75, 80, 60, 72, "II", "II", "III", "III"])
                # the column widths are numbers with "." in the file, or Calc would read them wrong
                self.assertAlmostEqual(hoja.column_dimensions["B"].width, 30.7109375, places=3)

                # LibreOffice Calc, every sheet to CSV in C's number format
                salida = os.path.join(self.raiz, f"calc-{lang}")
                os.makedirs(salida)
                soffice(os.path.join(self.raiz, "perfil"), "--convert-to",
                        "csv:Text - txt - csv (StarCalc):44,34,76,1,,1033,false,true,false,false,false,-1",
                        "--outdir", salida, destino, cwd=self.raiz)
                [nivel2] = glob.glob(os.path.join(salida, "*NIVEL 2*.csv"))
                with open(nivel2, encoding="utf-8") as f:
                    filas = list(csv.reader(f))[1:]
                self.comprobar_filas(filas, numero, str)

    # 1, 4 and 11: the CSV of one tab, in the locale's own way, opened by Calc.
    def test_csv_leido_por_calc(self):
        import openpyxl
        for lang, separador, idioma in (("C", ",", "1033"), ("es_ES.UTF-8", ";", "3082")):
            with self.subTest(lang=lang):
                destino = os.path.join(self.raiz, f"nivel2-{lang}.csv")
                r = equipo("--carpeta", self.carpeta, "--exportar", destino, "--pestana", "nivel2", lang=lang)
                self.assertEqual(r.returncode, 0, r.stderr)
                with open(destino, encoding="utf-8-sig") as f:
                    texto = f.read()
                self.assertEqual(texto.splitlines()[0].count(separador), 15)
                for formula in FORMULAS:
                    self.assertNotIn(separador + formula, texto, "una fórmula quedó viva en el CSV")

                # Calc opens it as a coach would, with formulas evaluated
                salida = os.path.join(self.raiz, f"calc-csv-{lang}")
                os.makedirs(salida)
                soffice(os.path.join(self.raiz, "perfil"),
                        f"--infilter=CSV:{ord(separador)},34,76,1,,{idioma},false,true,false,false,false,-1,true",
                        "--convert-to", "xlsx", "--outdir", salida, destino, cwd=self.raiz)
                [xlsx] = glob.glob(os.path.join(salida, "*.xlsx"))
                hoja = openpyxl.load_workbook(xlsx).active
                for fila in hoja.iter_rows(min_row=2):
                    for celda in fila:
                        self.assertNotEqual(celda.data_type, "f", f"{celda.coordinate} es una fórmula: {celda.value!r}")
                filas = [list(f) for f in hoja.iter_rows(min_row=2, values_only=True)]

                def num(c):
                    self.assertIsInstance(c, (int, float), f"{c!r} no es un número")
                    return float(c)
                self.comprobar_filas(filas, num, str)

    # 5: a file that cannot be read is not exported as an empty team.
    def test_archivo_ilegible_no_se_exporta(self):
        os.remove(os.path.join(self.carpeta, "fundamentos.dat"))
        os.mkdir(os.path.join(self.carpeta, "fundamentos.dat"))
        for argumentos in (["--exportar", "equipo.xlsx"], ["--exportar", "f.csv", "--pestana", "fundamentos"]):
            with self.subTest(argumentos=argumentos):
                r = equipo("--carpeta", self.carpeta, *argumentos, cwd=self.raiz)
                self.assertNotEqual(r.returncode, 0)
                self.assertIn("fundamentos.dat", r.stderr)
                self.assertIn("es una carpeta", r.stderr)  # in Spanish under C too
                self.assertFalse(os.path.exists(os.path.join(self.raiz, argumentos[1])))

    # 6: a FIFO or a device in a record file's place is refused at once, never waited on.
    def test_fifo_y_dispositivo(self):
        os.mkfifo(os.path.join(self.carpeta, "nivel1.dat"))
        os.symlink("/dev/zero", os.path.join(self.carpeta, "nivel3.dat"))
        r = equipo("--carpeta", self.carpeta, "--exportar", "e.xlsx", cwd=self.raiz)
        self.assertNotEqual(r.returncode, 0)
        self.assertIn("nivel1.dat", r.stderr)
        self.assertIn("tubería", r.stderr)
        r = equipo("--carpeta", self.carpeta, "--exportar", "n3.csv", "--pestana", "nivel3", cwd=self.raiz)
        self.assertIn("dispositivo", r.stderr)
        r = equipo("--carpeta", self.carpeta, "--exportar", "n2.csv", "--pestana", "nivel2", cwd=self.raiz)
        self.assertEqual(r.returncode, 0, r.stderr)
        destino = os.path.join(self.raiz, "fifo.csv")
        os.mkfifo(destino)
        r = equipo("--carpeta", self.carpeta, "--exportar", destino, "--pestana", "nivel2")
        self.assertNotEqual(r.returncode, 0)
        self.assertTrue(stat.S_ISFIFO(os.lstat(destino).st_mode))

    # 3: a link at the target is replaced, never written through; an old file keeps its mode.
    def test_enlace_y_permisos(self):
        for extension, pestana in ((".csv", ["--pestana", "nivel2"]), (".xlsx", [])):
            with self.subTest(extension=extension):
                ajeno = os.path.join(self.raiz, "ajeno" + extension)
                with open(ajeno, "w") as f:
                    f.write("no tocar\n")
                enlace = os.path.join(self.raiz, "enlace" + extension)
                os.symlink(ajeno, enlace)
                r = equipo("--carpeta", self.carpeta, "--exportar", enlace, *pestana)
                self.assertEqual(r.returncode, 0, r.stderr)
                self.assertFalse(os.path.islink(enlace))
                with open(ajeno) as f:
                    self.assertEqual(f.read(), "no tocar\n")

                privado = os.path.join(self.raiz, "privado" + extension)
                with open(privado, "w") as f:
                    f.write("viejo")
                os.chmod(privado, 0o600)
                r = equipo("--carpeta", self.carpeta, "--exportar", privado, *pestana)
                self.assertEqual(r.returncode, 0, r.stderr)
                self.assertEqual(stat.S_IMODE(os.stat(privado).st_mode), 0o600)
                self.assertGreater(os.path.getsize(privado), 100)
        restos = [n for n in os.listdir(self.raiz) if n.startswith(".")]
        self.assertEqual(restos, [], "quedaron archivos temporales")

    # 2: a full disk: the export says so and the old file stays byte for byte.
    def test_disco_lleno(self):
        if os.geteuid() != 0 or not shutil.which("unshare"):
            self.skipTest("hace falta root y unshare para montar un disco pequeño propio")
        lleno = os.path.join(self.raiz, "lleno")
        os.mkdir(lleno)
        guion = f"""
            set -e
            mount -t tmpfs -o size=16k tmpfs "{lleno}"
            printf 'viejo;equipo\\r\\n' > "{lleno}/equipo.csv"
            dd if=/dev/zero of="{lleno}/relleno" bs=1k count=64 2>/dev/null || true
            set +e
            LANG=C QT_QPA_PLATFORM=offscreen "{PROGRAMA}" --carpeta "{self.carpeta}" --exportar "{lleno}/equipo.csv" --pestana nivel2
            echo "rc=$?"
            cat "{lleno}/equipo.csv"
            ls -a "{lleno}"
        """
        r = subprocess.run(["unshare", "--mount", "--propagation", "private", "sh", "-c", guion],
                           capture_output=True, text=True, timeout=60)
        if "mount:" in r.stderr and "rc=" not in r.stdout:
            self.skipTest("no se pudo montar un tmpfs: " + r.stderr.strip())
        self.assertIn("no queda espacio en el disco", r.stderr)
        self.assertNotIn("rc=0", r.stdout)
        self.assertIn("viejo;equipo", r.stdout)
        self.assertNotIn(".tmp", r.stdout)


if __name__ == "__main__":
    PROGRAMA = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
