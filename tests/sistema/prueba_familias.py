#!/usr/bin/env python3
"""Reports a family understands, and the spreadsheet's summary, read back by real readers.

korva4-equipo writes one family report per athlete with results, as a real process, under
es_ES.UTF-8 and C: pdftotext finds in each the athlete's name, the units, each grade's
sentence, and with a saved evaluation the values then and the changes, as the compared CSV
export has them; no other athlete's name is anywhere in the file; pdfinfo finds one portrait
page of A4 (Letter where the locale measures in inches). The coach's own texts win over the
program's. The .xlsx's first sheet "Resumen" is read by openpyxl and by LibreOffice Calc:
numbers as numbers, changes with their sign; the CSV's "igual" needs no formula guard.

    prueba_familias.py KORVA4_EQUIPO
"""
import csv
import glob
import io
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from prueba_salidas import registro, soffice  # noqa: E402

PROGRAMA = None
TEXTOS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "familias",
                      "textos_familias.txt")
ATLETAS = [("José Núñez", "10", ["1.25", "8.5", "25", "26", "27"], ["1.45", "9.5", "20", "21", "22"]),
           ("Ana Peña", "11", ["1.1", "6.5", "31", "30", "32"], ["1.15", "7.5", "28", "30", "31"]),
           ("Zoë Ibáñez", "10", ["1.3", "7.2", "15", "16", "17"], ["1.3", "7.2", "15", "16", "17"]),
           ("Luis Sinpruebas", "11", ["", "", "", "", ""], ["", "", "", "", ""])]


def equipo(*argumentos, lang="es_ES.UTF-8"):
    entorno = dict(os.environ, LANG=lang, LC_ALL=lang, LC_MEASUREMENT=lang, QT_QPA_PLATFORM="offscreen")
    entorno.pop("DISPLAY", None)
    return subprocess.run([PROGRAMA, *argumentos], env=entorno, capture_output=True, text=True, timeout=120)


def texto_pdf(ruta):
    r = subprocess.run(["pdftotext", "-layout", ruta, "-"], capture_output=True, text=True, timeout=60)
    return re.sub(r"\s+", " ", r.stdout)


def textos():
    t = {}
    with open(TEXTOS, encoding="utf-8") as f:
        for linea in f:
            if "=" in linea and not linea.lstrip().startswith("#"):
                clave, valor = linea.split("=", 1)
                t[clave.strip().lower()] = valor.strip()
    return t


class PruebaFamilias(unittest.TestCase):
    def setUp(self):
        if not shutil.which("pdftotext"):
            self.skipTest("sin pdftotext (paquete poppler-utils) no se leen los informes")
        self.raiz = tempfile.mkdtemp(prefix="korva4-familias-")
        self.carpeta = os.path.join(self.raiz, "equipo")
        os.mkdir(self.carpeta)
        self.escribir(3)
        r = equipo("--carpeta", self.carpeta, "--guardar-evaluacion", "Inicio")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.escribir(2)
        with open(os.path.join(self.carpeta, "equipo.txt"), "w", encoding="utf-8") as f:
            f.write("nombre = Sub-12 Tigres\nentrenador = Marta Ruiz\n")

    def tearDown(self):
        shutil.rmtree(self.raiz, ignore_errors=True)

    def escribir(self, cual):
        """The tab now (2) or at the saved evaluation (3)."""
        with open(os.path.join(self.carpeta, "nivel2.dat"), "wb") as f:
            f.write(b"".join(registro(n, e, nivel=ahora if cual == 2 else antes) for n, e, ahora, antes in ATLETAS))

    def tabla_comparada(self):
        """The compared table, as the CSV export has it: name -> its row."""
        destino = os.path.join(self.raiz, "comparada.csv")
        r = equipo("--carpeta", self.carpeta, "--exportar", destino, "--pestana", "nivel2", "--comparar-con", "Inicio",
                   lang="C.UTF-8")
        self.assertEqual(r.returncode, 0, r.stderr)
        with open(destino, encoding="utf-8-sig") as f:
            filas = list(csv.reader(f))
        cabecera = filas[0]
        return {f[1]: dict(zip(cabecera, f)) for f in filas[1:]}

    def test_un_informe_por_familia(self):
        t = textos()
        tabla = self.tabla_comparada()
        for lang, pagina in (("es_ES.UTF-8", "595 x 842"), ("C.UTF-8", "595 x 842"), ("en_US.UTF-8", "612 x 792")):
            with self.subTest(lang=lang):
                salida = os.path.join(self.raiz, "familias-" + lang)
                r = equipo("--carpeta", self.carpeta, "--familias", salida, "--pestana", "nivel2", "--comparar-con",
                           "Inicio", lang=lang)
                self.assertEqual(r.returncode, 0, r.stderr)
                self.assertIn("Guardados 3 informes", r.stdout)
                self.assertIn("Luis Sinpruebas (registro 4): sin resultados", r.stderr)
                pdfs = sorted(glob.glob(os.path.join(salida, "*.pdf")))
                self.assertEqual(len(pdfs), 3)
                for (nombre, edad, *_), pdf in zip(ATLETAS, pdfs):
                    self.assertIn(nombre, os.path.basename(pdf))
                    texto = texto_pdf(pdf)
                    fila = tabla[nombre]
                    self.assertIn(nombre, texto)
                    self.assertIn(f"{edad} años", texto)
                    for otro, *_ in ATLETAS:
                        if otro != nombre:
                            self.assertNotIn(otro.split()[0], texto.replace(nombre, ""), f"{otro} en el informe de {nombre}")
                    for dato in ("Sub-12 Tigres", "Entrenador: Marta Ruiz", "NIVEL 2", " de 20",
                                 "minutos", "segundos", "repeticiones", "Para seguir mejorando", "Media del equipo"):
                        self.assertIn(dato, texto)
                    for k, columna in enumerate(("Nivel resist.", "Nivel veloc.", "Nivel fuerza", "Nivel general")):
                        grado = fila[columna]
                        clave = ("general." if k == 3 else "nivel.") + grado.lower()
                        self.assertIn(t[clave], texto, f"{nombre}: {columna} {grado}")
                    # then and now, as the compared table has them
                    for capacidad in ("resist.", "veloc.", "fuerza", "prom."):
                        antes = fila[f"% {capacidad} antes"]
                        cambio = fila[f"Cambio % {capacidad}"]
                        self.assertIn(f"Antes: {antes} %", texto)
                        if cambio not in ("", "0"):
                            self.assertIn(f"{cambio.lstrip('+-')} puntos", texto)
                    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
                    self.assertRegex(info, r"Pages:\s+1\n")
                    self.assertRegex(info, rf"Page size:\s+{pagina} pts")

    def test_los_textos_del_entrenador(self):
        with open(os.path.join(self.carpeta, "textos_familias.txt"), "w", encoding="utf-8") as f:
            f.write("# mis textos\nnivel.III = Va muy bien, sigue así (texto del club).\n")
        salida = os.path.join(self.raiz, "propios")
        r = equipo("--carpeta", self.carpeta, "--familias", salida, "--pestana", "nivel2")
        self.assertEqual(r.returncode, 0, r.stderr)
        todo = " ".join(texto_pdf(p) for p in glob.glob(os.path.join(salida, "*.pdf")))
        self.assertIn("texto del club", todo)
        self.assertIn(textos()["nivel.ii"], todo)  # what the copy does not say comes from the program's

    def test_resumen_de_la_hoja_de_calculo(self):
        import openpyxl
        xlsx = os.path.join(self.raiz, "equipo.xlsx")
        r = equipo("--carpeta", self.carpeta, "--exportar", xlsx, "--comparar-con", "Inicio")
        self.assertEqual(r.returncode, 0, r.stderr)
        libro = openpyxl.load_workbook(xlsx)
        self.assertEqual(libro.sheetnames[0], "Resumen")
        resumen = libro["Resumen"]
        self.assertEqual(resumen["A1"].value, "Equipo: Sub-12 Tigres")
        nivel2 = [f for f in resumen.iter_rows(min_row=4, values_only=True) if f[0] == "NIVEL 2 (10-11 años)"][0]
        self.assertEqual(nivel2[1], 4)
        for v in nivel2[1:12]:
            self.assertIsInstance(v, (int, float), f"{v!r} no es un número")
        cambios = [c for c in nivel2[12:16] if c is not None]
        self.assertTrue(cambios and all(isinstance(c, (int, float)) for c in cambios))
        self.assertTrue(any(c > 0 for c in cambios), cambios)
        hoja = libro["NIVEL 2 (10-11 años)"]
        cabecera = [c.value for c in hoja[1]]
        col = cabecera.index("Cambio % resist.") + 1
        celda = hoja.cell(row=2, column=col)
        self.assertIsInstance(celda.value, (int, float))
        self.assertEqual(celda.number_format, "+0;-0;0")
        # Calc under a Spanish desktop reads the same numbers
        salida = os.path.join(self.raiz, "calc")
        os.makedirs(salida)
        soffice(os.path.join(self.raiz, "perfil"), "--convert-to",
                "csv:Text - txt - csv (StarCalc):59,34,76,1,,3082,false,true,true,false,false,1",
                "--outdir", salida, xlsx, cwd=self.raiz)
        [primera] = glob.glob(os.path.join(salida, "*.csv"))
        with open(primera, encoding="utf-8") as f:
            filas = list(csv.reader(f, delimiter=";"))
        fila = [f for f in filas if f and f[0] == "NIVEL 2 (10-11 años)"][0]
        self.assertEqual(fila[1], "4")
        # the counts and means are numbers; the changes keep their sign as the cells show them
        for c in fila[1:12]:
            self.assertRegex(c, r"^\d+([.,]\d+)?$")
        self.assertTrue(any(re.fullmatch(r"\+\d+[.,]\d", c) for c in fila[12:16]), fila)
        # the CSV's words of the comparison need no guard against formulas
        r = equipo("--carpeta", self.carpeta, "--exportar", os.path.join(self.raiz, "n2.csv"), "--pestana", "nivel2",
                   "--comparar-con", "Inicio")
        self.assertEqual(r.returncode, 0, r.stderr)
        with open(os.path.join(self.raiz, "n2.csv"), encoding="utf-8-sig") as f:
            contenido = f.read()
        self.assertIn("igual", contenido)
        self.assertNotIn("'=", contenido)


if __name__ == "__main__":
    PROGRAMA = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
