#!/usr/bin/env python3
"""Files, lists and texts made to break korva4-equipo, as a normal user would hand them over.

Each case is a small file made here (python's zipfile is enough for a spreadsheet), given to
the installed program as a real process run as the user "nobody" (through setpriv when the
tests run as root), with its time and peak memory measured. The program must refuse with a
reason within 5 s and 300 MB, or store exactly what it checked; after a refusal every record
file is the old one, byte for byte.

    prueba_hostil.py KORVA4_EQUIPO
"""
import fcntl
import os
import resource
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from prueba_salidas import registro  # noqa: E402

PROGRAMA = None
NADIE = 65534
ARCHIVOS = ["nivel1.dat", "nivel2.dat", "nivel3.dat", "nivel4.dat", "fundamentos.dat"]
# Under AddressSanitizer the program is several times slower and bigger, and no address-space
# limit lets it start: the bounds are loosened there, the refusals still checked.
CON_SANITIZADORES = bool(os.environ.get("KORVA_SANITIZADORES"))
SEGUNDOS = 25 if CON_SANITIZADORES else 5
MEGAS = 3000 if CON_SANITIZADORES else 300


def xlsx(ruta, hoja, compartidas=None):
    """A workbook of one sheet, its parts as given (the sheet's XML, the shared strings')."""
    with zipfile.ZipFile(ruta, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("[Content_Types].xml", '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/'
                   'package/2006/content-types"/>')
        z.writestr("xl/workbook.xml", '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
                   'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>'
                   '<sheet name="Hoja1" sheetId="1" r:id="rId1"/></sheets></workbook>')
        z.writestr("xl/_rels/workbook.xml.rels", '<Relationships xmlns="http://schemas.openxmlformats.org/package/'
                   '2006/relationships"><Relationship Id="rId1" Target="worksheets/sheet1.xml" Type="x"/>'
                   '</Relationships>')
        z.writestr("xl/worksheets/sheet1.xml", hoja)
        if compartidas is not None:
            z.writestr("xl/sharedStrings.xml", compartidas)


def hoja_xlsx(filas):
    """A sheet's XML: each row a list of cell bodies ('<v>…</v>' with t="s", or inline text)."""
    cuerpo = ""
    for r, fila in enumerate(filas, 1):
        cuerpo += f'<row r="{r}">' + "".join(fila) + "</row>"
    return '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>' + cuerpo + \
        "</sheetData></worksheet>"


def ods(ruta, contenido):
    with zipfile.ZipFile(ruta, "w") as z:
        z.writestr("mimetype", "application/vnd.oasis.opendocument.spreadsheet", compress_type=zipfile.ZIP_STORED)
        z.writestr("content.xml", contenido)


def contenido_ods(celdas_de_filas, dtd=""):
    filas = "".join("<table:table-row>" + "".join(celdas) + "</table:table-row>" for celdas in celdas_de_filas)
    return dtd + '<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" ' \
        'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" ' \
        'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet>' \
        '<table:table table:name="Hoja1">' + filas + "</table:table></office:spreadsheet></office:body>" \
        "</office:document-content>"


def celda(texto):
    return f"<table:table-cell><text:p>{texto}</text:p></table:table-cell>"


class PruebaHostil(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.como_root = os.getuid() == 0
        if cls.como_root and not shutil.which("setpriv"):
            raise unittest.SkipTest("sin setpriv (paquete util-linux) no se corre como usuario normal")

    def setUp(self):
        self.raiz = tempfile.mkdtemp(prefix="korva4-hostil-")
        os.chmod(self.raiz, 0o755)
        self.carpeta = os.path.join(self.raiz, "equipo")
        os.mkdir(self.carpeta)
        self.datos = {n: registro("Ya Estaba", "10") + b"\0" * 130 * 29 for n in ARCHIVOS}
        for nombre, b in self.datos.items():
            self.escribir(nombre, b)
        self.dar_a_nadie()

    def tearDown(self):
        shutil.rmtree(self.raiz, ignore_errors=True)

    def dar_a_nadie(self):
        if self.como_root:
            for raiz, carpetas, archivos in os.walk(self.raiz):
                for n in [raiz] + [os.path.join(raiz, a) for a in carpetas + archivos]:
                    os.lchown(n, NADIE, NADIE)

    def escribir(self, nombre, b):
        with open(os.path.join(self.carpeta, nombre), "wb") as f:
            f.write(b)

    def leer(self, nombre):
        with open(os.path.join(self.carpeta, nombre), "rb") as f:
            return f.read()

    def equipo(self, *argumentos, lang="es_ES.UTF-8"):
        """The program as a normal user: its output, exit code, seconds and peak megabytes."""
        entorno = dict(os.environ, LANG=lang, LC_ALL=lang, QT_QPA_PLATFORM="offscreen", HOME=self.raiz,
                       XDG_CONFIG_HOME=os.path.join(self.raiz, ".config"), TMPDIR=self.raiz)
        entorno.pop("DISPLAY", None)
        orden = [PROGRAMA, "--carpeta", self.carpeta, *argumentos]
        if not CON_SANITIZADORES and shutil.which("prlimit"):
            orden = ["prlimit", "--as=4294967296"] + orden
        if self.como_root:
            orden = ["setpriv", f"--reuid={NADIE}", f"--regid={NADIE}", "--clear-groups"] + orden
        salida, errores = tempfile.TemporaryFile(), tempfile.TemporaryFile()
        inicio = time.monotonic()
        p = subprocess.Popen(orden, env=entorno, stdout=salida, stderr=errores, cwd=self.raiz)
        # a program that hangs is stopped, and counts as one that took that long
        reloj = threading.Timer(60, p.kill)
        reloj.start()
        try:
            _, estado, uso = os.wait4(p.pid, 0)
        except BaseException:
            p.kill()
            raise
        finally:
            reloj.cancel()
        p.returncode = os.waitstatus_to_exitcode(estado)
        segundos = time.monotonic() - inicio
        salida.seek(0)
        errores.seek(0)
        return (p.returncode, salida.read().decode("utf-8", "replace"), errores.read().decode("utf-8", "replace"),
                segundos, uso.ru_maxrss / 1024)

    def lista(self, nombre, bytes_):
        ruta = os.path.join(self.raiz, nombre)
        with open(ruta, "wb") as f:
            f.write(bytes_)
        os.chmod(ruta, 0o644)
        return ruta

    def rechaza(self, argumentos, razon, contexto):
        codigo, salida, errores, segundos, megas = self.equipo(*argumentos)
        self.assertNotEqual(codigo, 0, f"{contexto}: {salida}")
        self.assertIn(razon, errores, contexto)
        self.assertLess(segundos, SEGUNDOS, contexto)
        self.assertLess(megas, MEGAS, contexto)
        for nombre in ARCHIVOS:
            self.assertEqual(self.leer(nombre), self.datos[nombre], f"{contexto}: {nombre}")

    def nombres_en(self, nombre):
        b = self.leer(nombre)
        return [b[n:n + 30].rstrip(b" \0") for n in range(0, len(b), 130) if b[n:n + 30].strip(b" \0")]

    # Faults 1, 3, 12 and 13: spreadsheets and texts that crash, hang or eat memory are refused
    # with the reason, within the bounds.
    def test_libros_y_listas_que_se_rechazan(self):
        anidado = "<r>" * 100000 + "x" + "</r>" * 100000
        entidad = "A" * 4000
        dtd = f'<?xml version="1.0"?><!DOCTYPE x [<!ENTITY e "{entidad}">]>'
        refs = "&e;" * 200000
        casos = [
            ("anidado-en-celda.xlsx", lambda r: xlsx(r, hoja_xlsx([[f'<c r="A1" t="inlineStr"><is><t>{anidado}</t>'
                                                                   '</is></c>']])), "anidados"),
            ("anidado-en-compartidas.xlsx", lambda r: xlsx(r, hoja_xlsx([['<c r="A1" t="s"><v>0</v></c>']]),
                                                          f'<sst><si><t>{anidado}</t></si></sst>'), "anidados"),
            ("entidades.xlsx", lambda r: xlsx(r, hoja_xlsx([['<c r="A1" t="s"><v>0</v></c>']]),
                                             dtd + f"<sst><si><t>{refs}</t></si></sst>"), "DTD"),
            ("entidades.ods", lambda r: ods(r, contenido_ods([[celda(refs)]], dtd)), "DTD"),
            ("indice.xlsx", lambda r: xlsx(r, hoja_xlsx([['<c r="A1" t="s"><v>99999999999999999999</v></c>']]),
                                          "<sst><si><t>Ana</t></si></sst>"), "no está"),
            ("filas.ods", lambda r: ods(r, contenido_ods([['<table:table-cell><text:p>Ana</text:p>'
                                                           '</table:table-cell>']]).replace(
                "<table:table-row>", '<table:table-row table:number-rows-repeated="2000000000">')), "filas"),
            ("protegido.xlsx", lambda r: open(r, "wb").write(b"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1" + b"\0" * 600),
             "contraseña"),
            ("lineas.csv", lambda r: open(r, "w").write("a\n" * 2000000), "filas"),
        ]
        for nombre, hacer, razon in casos:
            with self.subTest(lista=nombre):
                ruta = os.path.join(self.raiz, nombre)
                hacer(ruta)
                os.chmod(ruta, 0o644)
                self.rechaza(["--importar", ruta, "--pestana", "nivel2"], razon, nombre)

    # Faults 2, 10, 11, 13 and 16: what reads is stored exactly as checked, within the bounds.
    def test_libros_y_listas_que_se_leen(self):
        marcas = "Ana" + "\u0301" * 12
        casos = [
            ("espacios.ods", lambda r: ods(r, contenido_ods(
                [[celda('Ana<text:s text:c="2000000000"/>Gil'), celda("10")]])), [b"Ana Gil"]),
            ("celda-vacia.ods", lambda r: ods(r, contenido_ods(
                [[celda("Nombre"), celda("Apellidos"), celda("Edad")],
                 [celda("Ana"), "<table:table-cell/>", celda("10")]])), [b"Ana"]),
            ("escape.xlsx", lambda r: xlsx(r, hoja_xlsx([['<c r="A1" t="s"><v>0</v></c>']]),
                                          "<sst><si><t>Ana_x0007_Gil_x005F_x0041_</t></si></sst>"),
             [b"Ana Gil_x0041_"]),
            ("marcas.csv", lambda r: open(r, "w", encoding="utf-8").write(f"{marcas};10\n"), ["Aná".encode("cp1252")]),
            ("una-linea.csv", lambda r: open(r, "w").write("Ana;" * 1000000), None),
            ("utf8-roto.csv", lambda r: open(r, "wb").write(bytes([0xC3, 0x28, 0xA0, 0xE2, 0x82, 0x41] * 660000)),
             None),
        ]
        for nombre, hacer, esperados in casos:
            with self.subTest(lista=nombre):
                self.setUp()
                ruta = os.path.join(self.raiz, nombre)
                hacer(ruta)
                os.chmod(ruta, 0o644)
                codigo, salida, errores, segundos, megas = self.equipo("--importar", ruta, "--pestana", "nivel2")
                self.assertLess(segundos, 2 if not CON_SANITIZADORES else 20, nombre)
                self.assertLess(megas, 200 if not CON_SANITIZADORES else 3000, nombre)
                if esperados is not None:
                    self.assertEqual(codigo, 0, errores)
                    self.assertEqual(self.nombres_en("nivel2.dat"), [b"Ya Estaba"] + esperados, nombre)
                for otro in ("nivel1.dat", "nivel3.dat", "nivel4.dat", "fundamentos.dat"):
                    self.assertEqual(self.leer(otro), self.datos[otro], nombre)

    # Fault 6: a value is checked as the exact text its field will hold.
    def test_valores_como_se_guardan(self):
        casos = [
            ("Velocidad", "0000000000008,45", None, "caracteres"),
            ("Lagartijas", "00000000025", None, "caracteres"),
            ("Velocidad", "8\u200b,45", b"8,45      ", None),
            ("Velocidad", "\ufeff8,45", b"8,45      ", None),
            ("Velocidad", "\u07c8,\u07c4\u07c5", None, "no puede guardar"),
            ("Velocidad", "8\u0301,45", None, "no puede guardar"),
        ]
        lugar = {"Velocidad": 50, "Lagartijas": 60}
        for prueba, valor, guardado, razon in casos:
            with self.subTest(prueba=prueba, valor=valor):
                self.setUp()
                lista = self.lista("valores.csv", f"Ya Estaba;{valor}\n".encode("utf-8"))
                argumentos = ["--valores", lista, "--prueba", prueba, "--pestana", "nivel2"]
                if razon:
                    self.rechaza(argumentos, razon, valor)
                    continue
                codigo, _, errores, _, _ = self.equipo(*argumentos)
                self.assertEqual(codigo, 0, errores)
                b = self.leer("nivel2.dat")
                self.assertEqual(b[lugar[prueba]:lugar[prueba] + 10], guardado)
                self.assertEqual(b[:50] + b[60:], self.datos["nivel2.dat"][:50] + self.datos["nivel2.dat"][60:])

    # Faults 5 and 8: another user's lock is waited on for a bound, then refused; two writing
    # actions in one command line are refused before either runs.
    def test_cerrojo_ajeno_y_ordenes_juntas(self):
        lista = self.lista("lista.csv", b"Nueva;10\n")
        valores = self.lista("valores.csv", b"Ya Estaba;8,5\n")
        casos = [
            (["--nueva-evaluacion", "--valores", valores, "--prueba", "Velocidad", "--pestana", "nivel2"],
             "dé una sola"),
            (["--importar", lista, "--valores", valores, "--prueba", "Velocidad", "--pestana", "nivel2"],
             "dé una sola"),
            (["--guardar-evaluacion", "x", "--importar", lista], "dé una sola"),
        ]
        for argumentos, razon in casos:
            with self.subTest(argumentos=argumentos):
                self.rechaza(argumentos, razon, " ".join(argumentos))
                self.assertFalse(os.path.exists(os.path.join(self.carpeta, "Evaluaciones")))
        # a lock held by another process (another user, where the tests run as root): anyone
        # who can read a record file can lock it
        with open(os.path.join(self.carpeta, "nivel2.dat"), "rb") as f:
            fcntl.flock(f, fcntl.LOCK_EX)
            for argumentos in (["--exportar", os.path.join(self.raiz, "x.xlsx")],
                               ["--importar", lista, "--pestana", "nivel2"]):
                with self.subTest(argumentos=argumentos):
                    self.rechaza(argumentos, "ocupado por otro programa", " ".join(argumentos))

    # Fault 9: a record file that is a link is written at its target, the link kept; two
    # record files that are one file are refused.
    def test_enlaces(self):
        lista = self.lista("lista.csv", b"Nueva;10\n")
        destino = os.path.join(self.raiz, "fuera.dat")
        shutil.move(os.path.join(self.carpeta, "nivel2.dat"), destino)
        os.symlink(destino, os.path.join(self.carpeta, "nivel2.dat"))
        self.dar_a_nadie()
        codigo, _, errores, _, _ = self.equipo("--importar", lista, "--pestana", "nivel2")
        self.assertEqual(codigo, 0, errores)
        self.assertTrue(os.path.islink(os.path.join(self.carpeta, "nivel2.dat")))
        self.assertEqual(self.nombres_en("nivel2.dat"), [b"Ya Estaba", b"Nueva"])
        # nivel3.dat a second name of nivel4.dat, then a link to a sibling
        for hacer in (os.link, os.symlink):
            with self.subTest(enlace=hacer.__name__):
                self.setUp()
                os.remove(os.path.join(self.carpeta, "nivel3.dat"))
                hacer(os.path.join(self.carpeta, "nivel4.dat"), os.path.join(self.carpeta, "nivel3.dat"))
                self.dar_a_nadie()
                self.datos["nivel3.dat"] = self.datos["nivel4.dat"]
                todos = self.lista("todos.csv", b"Nombre;Edad\nDoce;12\nQuince;15\n")
                self.rechaza(["--importar", todos], "el mismo archivo", hacer.__name__)

    # Faults 4 and 14: texts of the coach's that would blow up a page, or that hold "%1".
    def test_textos_del_entrenador(self):
        self.escribir("equipo.txt", ("nombre = Los %1 de %2\nentrenador = " + "E" * 60000 + "\n").encode())
        self.escribir("textos_familias.txt", ("pie = " + "{entrenador}" * 21000 + "\n").encode())
        self.escribir("nivel2.dat", registro("Ana %1 Gil", "10", nivel=["1,25", "8,5", "25", "26", "27"])
                      + registro("Sin %2 Nada", "10") + b"\0" * 130 * 28)
        self.dar_a_nadie()
        familias = os.path.join(self.raiz, "familias")
        codigo, salida, errores, segundos, megas = self.equipo("--familias", familias, "--pestana", "nivel2")
        self.assertEqual(codigo, 0, errores)
        self.assertLess(segundos, SEGUNDOS)
        self.assertLess(megas, MEGAS)
        self.assertIn("Sin %2 Nada (registro 2)", salida + errores)
        self.assertEqual(len(os.listdir(familias)), 1)
        for i in range(3):
            codigo, _, errores, _, _ = self.equipo("--guardar-evaluacion", "Fin %1")
            self.assertEqual(codigo, 0, errores)
        guardadas = sorted(os.listdir(os.path.join(self.carpeta, "Evaluaciones")))
        self.assertEqual([g[11:] for g in guardadas], ["Fin %1", "Fin %1 (2)", "Fin %1 (3)"])


if __name__ == "__main__":
    PROGRAMA = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
