#!/usr/bin/env python3
"""The squad's roster from the files coaches have, written by real spreadsheet programs.

A roster is generated here (names with accents, ages at each level's edges, a birth date),
then LibreOffice Calc, headless, saves it as .xlsx, .ods, CSV with ";" in UTF-8 and in
Windows-1252, and "Texto Unicode" (UTF-16); openpyxl writes a book of two sheets with birth
dates as dates. korva4-equipo imports each, as a real process under es_ES.UTF-8 and under C,
the whole squad at once or one tab: every stored name and age is checked byte for byte
against the generated list, worked out here from the record layout, and every other byte of
every file stays. While the evaluation program runs in the folder, the import refuses first.

    prueba_plantilla.py KORVA4_EQUIPO COPIA_DE_PRUEBA
"""
import datetime
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from prueba_salidas import registro, soffice  # noqa: E402

PROGRAMA = COPIA = None
ARCHIVOS = ["nivel1.dat", "nivel2.dat", "nivel3.dat", "nivel4.dat", "fundamentos.dat"]
RANGOS = {0: (8, 9), 1: (10, 11), 2: (12, 14), 3: (15, 17)}
# ages at every edge, and two of no level
PLANTILLA = [("José", "Núñez", 7), ("Ana", "Peña", 8), ("Zoë", "Ibáñez", 9), ("Iñaki", "Güell", 10),
             ("María José", "López", 11), ("Luis", "Pérez, hijo", 12), ("Çelik", "Ørsted", 14),
             ("Renée", "D'Arcy", 15), ("Ñoño", "Martínez", 17), ("Adulto", "Mayor", 18)]


def pestana_de(edad):
    for p, (a, b) in RANGOS.items():
        if a <= edad <= b:
            return p
    return None


def campo(texto, ancho):
    return texto.encode("cp1252", errors="replace")[:ancho].ljust(ancho, b" ")


def equipo(*argumentos, lang="es_ES.UTF-8"):
    entorno = dict(os.environ, LANG=lang, LC_ALL=lang, QT_QPA_PLATFORM="offscreen")
    entorno.pop("DISPLAY", None)
    return subprocess.run([PROGRAMA, *argumentos], env=entorno, capture_output=True, text=True, timeout=60)


class PruebaPlantilla(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.raiz = tempfile.mkdtemp(prefix="korva4-plantilla-")
        cls.perfil = os.path.join(cls.raiz, "perfil")
        fuente = os.path.join(cls.raiz, "plantilla.csv")
        with open(fuente, "w", encoding="utf-8", newline="") as f:
            f.write("Nombre,Apellidos,Edad\r\n")
            for nombre, apellidos, edad in PLANTILLA:
                apellidos = f'"{apellidos}"' if "," in apellidos else apellidos
                f.write(f"{nombre},{apellidos},{edad}\r\n")
        cls.listas = {}
        if not shutil.which("soffice"):
            return
        salidas = {
            "xlsx": ("xlsx", "plantilla.xlsx"),
            "ods": ("ods", "plantilla.ods"),
            "csv-utf8": ('csv:Text - txt - csv (StarCalc):59,34,76', "plantilla.csv"),
            "csv-1252": ('csv:Text - txt - csv (StarCalc):59,34,1', "plantilla.csv"),
            "texto-unicode": ('txt:Text - txt - csv (StarCalc):9,34,65535', "plantilla.txt"),
        }
        for clave, (filtro, nombre) in salidas.items():
            destino = os.path.join(cls.raiz, clave)
            os.mkdir(destino)
            soffice(cls.perfil, "--infilter=CSV:44,34,76,1", "--convert-to", filtro, "--outdir", destino, fuente,
                    cwd=cls.raiz)
            cls.listas[clave] = os.path.join(destino, nombre)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.raiz, ignore_errors=True)

    def setUp(self):
        self.carpeta = tempfile.mkdtemp(prefix="equipo-", dir=self.raiz)
        # athletes already there, with results, and a 31st record nobody may touch
        self.antes = {}
        for i, nombre in enumerate(ARCHIVOS):
            b = registro("Ya Estaba", "10", nivel=["1.25", "8.5", "25", "26", "27"]) if i < 4 else \
                registro("Ya Estaba", "10", fundamentos=["1"] * 8)
            b += b"\0" * 130 + registro("Otro Más", "11") + b"\0" * 130 * 27 + b"ajeno" * 26
            self.antes[nombre] = b
            with open(os.path.join(self.carpeta, nombre), "wb") as f:
                f.write(b)

    def leer(self, nombre):
        with open(os.path.join(self.carpeta, nombre), "rb") as f:
            return f.read()

    def esperado(self, por_pestana):
        """The files after the import: the new names in the empty slots, in order, all else kept."""
        libres = [2] + list(range(4, 31))
        esperado = {}
        for p, nombre in enumerate(ARCHIVOS):
            b = bytearray(self.antes[nombre])
            for n, (nom, edad) in zip(libres, por_pestana.get(p, [])):
                r = campo(nom, 30) + campo(edad, 10)
                r += b" " * 50 + b"\0" * 40 if p < 4 else b"\0" * 50 + b" " * 40
                b[(n - 1) * 130:n * 130] = r
            esperado[nombre] = bytes(b)
        return esperado

    def comprobar(self, esperado, contexto):
        for nombre in ARCHIVOS:
            ahora = self.leer(nombre)
            self.assertEqual(ahora, esperado[nombre], f"{contexto}: {nombre}")

    def plantilla_por_pestana(self, con_fundamentos=True):
        por = {}
        for nombre, apellidos, edad in PLANTILLA:
            p = pestana_de(edad)
            if p is None:
                continue
            por.setdefault(p, []).append((f"{nombre} {apellidos}", str(edad)))
            if con_fundamentos:
                por.setdefault(4, []).append((f"{nombre} {apellidos}", str(edad)))
        return por

    def test_toda_la_plantilla_de_cada_programa(self):
        if not self.listas:
            self.skipTest("sin LibreOffice (libreoffice-calc-nogui) no hay plantillas de una hoja de cálculo")
        for clave, lista in self.listas.items():
            for lang in ("es_ES.UTF-8", "C"):
                with self.subTest(lista=clave, lang=lang):
                    self.setUp()
                    r = equipo("--carpeta", self.carpeta, "--importar", lista, lang=lang)
                    self.assertEqual(r.returncode, 0, r.stderr)
                    self.assertIn("16 registros nuevos", r.stdout)
                    # the two of no level are said, not stored
                    self.assertIn("José Núñez", r.stderr)
                    self.assertIn("Adulto Mayor", r.stderr)
                    self.comprobar(self.esperado(self.plantilla_por_pestana()), f"{clave} {lang}")

    def test_una_pestana_y_sin_fundamentos(self):
        if not self.listas:
            self.skipTest("sin LibreOffice (libreoffice-calc-nogui) no hay plantillas de una hoja de cálculo")
        r = equipo("--carpeta", self.carpeta, "--importar", self.listas["ods"], "--sin-fundamentos")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.comprobar(self.esperado(self.plantilla_por_pestana(False)), "sin fundamentos")
        # one tab, as before: every name there, each age outside its range noted
        self.setUp()
        r = equipo("--carpeta", self.carpeta, "--importar", self.listas["xlsx"], "--pestana", "nivel2")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("10 atletas importados", r.stdout)
        self.assertEqual(r.stderr.count("no es la edad de esta pestaña"), 8)
        todos = [(f"{n} {a}", str(e)) for n, a, e in PLANTILLA]
        self.comprobar(self.esperado({1: todos}), "nivel2")

    def test_libro_de_dos_hojas_con_fechas(self):
        try:
            import openpyxl
        except ImportError:
            self.skipTest("sin python3-openpyxl no se escribe el libro")
        libro = openpyxl.Workbook()
        portada = libro.active
        portada.title = "Portada"
        portada.append(["Club de fútbol Tigres"])
        hoja = libro.create_sheet("Sub-12")
        hoja.append(["Apellidos", "Nombre", "Fecha de nacimiento"])
        hoy = datetime.date.today()
        nacidos = {"Peña": hoy.replace(year=hoy.year - 12), "Núñez": hoy.replace(year=hoy.year - 11)
                   + datetime.timedelta(days=1)}
        for apellido, fecha in nacidos.items():
            hoja.append([apellido, "Ana", fecha])
            hoja.cell(row=hoja.max_row, column=3).number_format = "DD/MM/YYYY"
        ruta = os.path.join(self.carpeta, "libro.xlsx")
        libro.save(ruta)
        r = equipo("--carpeta", self.carpeta, "--importar", ruta, "--hoja", "Sub-12", "--sin-fundamentos")
        self.assertEqual(r.returncode, 0, r.stderr)
        # 12 today; one day short of 11 is 10
        self.comprobar(self.esperado({2: [("Ana Peña", "12")], 1: [("Ana Núñez", "10")]}), "fechas")
        r = equipo("--carpeta", self.carpeta, "--importar", ruta, "--hoja", "No existe")
        self.assertNotEqual(r.returncode, 0)
        self.assertIn("Portada, Sub-12", r.stderr)

    def guardados(self, carpeta):
        """The (name, age) of every record of each file of a folder."""
        todos = {}
        for nombre in ARCHIVOS:
            ruta = os.path.join(carpeta, nombre)
            b = b""
            if os.path.exists(ruta):
                with open(ruta, "rb") as f:
                    b = f.read()
            todos[nombre] = [(b[n:n + 30].rstrip(b" \0").decode("cp1252"), b[n + 30:n + 40].rstrip(b" \0").decode())
                             for n in range(0, len(b), 130) if b[n:n + 30].strip(b" \0")]
        return todos

    # Last season's export is a coach's most natural roster: its first sheet is the summary,
    # the squad is in the level sheets (and again in the fundamentals). With no --hoja every
    # athlete comes, once; a book of LibreOffice's with a summary before the roster too; a
    # book with no names at all is refused and writes nothing.
    def test_libro_con_resumen_delante(self):
        origen = os.path.join(self.raiz, "origen-" + os.path.basename(self.carpeta))
        os.mkdir(origen)
        r = equipo("--carpeta", origen, "--importar", os.path.join(self.raiz, "plantilla.csv"))
        self.assertEqual(r.returncode, 0, r.stderr)
        exportado = os.path.join(self.raiz, "exportado.xlsx")
        r = equipo("--carpeta", origen, "--exportar", exportado)
        self.assertEqual(r.returncode, 0, r.stderr)
        esperado = self.guardados(origen)
        for lang in ("es_ES.UTF-8", "C"):
            with self.subTest(libro="exportado", lang=lang):
                nueva = tempfile.mkdtemp(prefix="nueva-", dir=self.raiz)
                r = equipo("--carpeta", nueva, "--importar", exportado, lang=lang)
                self.assertEqual(r.returncode, 0, r.stderr)
                self.assertIn("«NIVEL 2 (10-11 años)»", r.stdout)
                self.assertNotIn("Resumen", r.stdout)
                ahora = self.guardados(nueva)
                for nombre in ARCHIVOS:
                    self.assertEqual(sorted(ahora[nombre]), sorted(esperado[nombre]), f"{lang}: {nombre}")
                self.assertEqual(len(ahora["fundamentos.dat"]), 8)
        try:
            import openpyxl
        except ImportError:
            self.skipTest("sin python3-openpyxl no se escribe el libro")
        libro = openpyxl.Workbook()
        resumen = libro.active
        resumen.title = "Resumen"
        resumen.append(["Temporada 2026", None])
        resumen.append([22, 7])
        hoja = libro.create_sheet("Plantilla")
        hoja.append(["Nombre", "Edad"])
        hoja.append(["Ana Peña", 10])
        hoja.append(["Luis Gil", 13])
        fuente = os.path.join(self.raiz, "resumen-delante.xlsx")
        libro.save(fuente)
        if shutil.which("soffice"):
            # as LibreOffice Calc saves it, in both of its formats
            destino = tempfile.mkdtemp(prefix="calc-", dir=self.raiz)
            soffice(self.perfil, "--convert-to", "ods", "--outdir", destino, fuente, cwd=self.raiz)
            ods = os.path.join(destino, "resumen-delante.ods")
            soffice(self.perfil, "--convert-to", "xlsx", "--outdir", os.path.join(destino, "x"), ods, cwd=self.raiz)
            libros = [ods, os.path.join(destino, "x", "resumen-delante.xlsx")]
        else:
            libros = [fuente]
        for ruta in libros:
            with self.subTest(libro=os.path.basename(ruta)):
                nueva = tempfile.mkdtemp(prefix="nueva-", dir=self.raiz)
                r = equipo("--carpeta", nueva, "--importar", ruta, "--sin-fundamentos")
                self.assertEqual(r.returncode, 0, r.stderr)
                ahora = self.guardados(nueva)
                self.assertEqual(ahora["nivel2.dat"], [("Ana Peña", "10")])
                self.assertEqual(ahora["nivel3.dat"], [("Luis Gil", "13")])
        sin = openpyxl.Workbook()
        sin.active.append([1, 2])
        sin.active.append([3, 4.5])
        sin.create_sheet("Datos").append([15.5])
        ruta = os.path.join(self.raiz, "sin-nombres.xlsx")
        sin.save(ruta)
        r = equipo("--carpeta", self.carpeta, "--importar", ruta)
        self.assertNotEqual(r.returncode, 0)
        self.assertIn("ninguna hoja del libro tiene una columna de nombres", r.stderr)
        self.comprobar(self.antes, "sin nombres")

    # The faults a coach met with today's files, through the command line: each names what
    # the tab must hold after the import.
    def test_faltas_de_antes(self):
        casos = [
            ("utf16.txt", "\ufeffNombre\tEdad\r\nJosé Núñez\t10\r\n".encode("utf-16-le"), ["José Núñez"]),
            ("comillas.csv", '"Pérez, Ana",10\n'.encode(), ["Pérez, Ana"]),
            ("salto.csv", 'Nombre;Edad\n"Ana\nMaría";10\n'.encode(), ["Ana María"]),
            ("una-columna.csv", "Pérez, Ana\nGómez, Luis\n".encode(), ["Pérez, Ana", "Gómez, Luis"]),
            ("tab-suelto.csv", "Nombre;Edad\nAna;10\nLuis\t;11\n".encode(), ["Ana", "Luis"]),
            ("mezcla.csv", "José;10\n".encode() + "Núñez;11\n".encode("cp1252"), ["José", "Núñez"]),
            ("controles.csv", b"Ana;10\n\x01\x02;11\n", ["Ana"]),
        ]
        for nombre, contenido, nombres in casos:
            with self.subTest(lista=nombre):
                self.setUp()
                ruta = os.path.join(self.raiz, nombre)
                with open(ruta, "wb") as f:
                    f.write(contenido)
                r = equipo("--carpeta", self.carpeta, "--importar", ruta, "--pestana", "nivel2")
                self.assertEqual(r.returncode, 0, r.stderr)
                ahora = self.leer("nivel2.dat")
                guardados = [ahora[(n - 1) * 130:(n - 1) * 130 + 30].rstrip(b" \0").decode("cp1252")
                             for n in range(1, 31)]
                guardados = [g for g in guardados if g and g not in ("Ya Estaba", "Otro Más")]
                self.assertEqual(guardados, nombres)
                # no record without a name took an age
                for n in range(30):
                    r, antes = ahora[n * 130:(n + 1) * 130], self.antes["nivel2.dat"][n * 130:(n + 1) * 130]
                    if r != antes:
                        self.assertTrue(r[:30].strip(b" \0"), f"registro {n + 1} sin nombre: {r[:40]!r}")
        for nombre, contenido, que in (("viejo.xls", b"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1" + b"\0" * 500, ".xls"),
                                       ("hoja.pdf", b"%PDF-1.4\n", "PDF")):
            with self.subTest(lista=nombre):
                ruta = os.path.join(self.raiz, nombre)
                with open(ruta, "wb") as f:
                    f.write(contenido)
                r = equipo("--carpeta", self.carpeta, "--importar", ruta, "--pestana", "nivel2")
                self.assertNotEqual(r.returncode, 0)
                self.assertIn(que, r.stderr)
                self.assertIn("guárdelo como .xlsx, .ods o CSV", r.stderr)

    def test_no_cabe_no_escribe(self):
        lista = os.path.join(self.raiz, "muchos.csv")
        with open(lista, "w", encoding="utf-8") as f:
            f.write("Nombre;Edad\n" + "".join(f"Nuevo {i};10\n" for i in range(29)) + "Otra;8\n")
        r = equipo("--carpeta", self.carpeta, "--importar", lista)
        self.assertNotEqual(r.returncode, 0)
        self.assertIn("NIVEL 2 (10-11 años) hay 29 atletas nuevos y sólo 28 registros libres", r.stderr)
        self.comprobar(self.antes, "no cabe")

    def test_con_korva4_abierto_lo_dice_primero(self):
        entorno = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        copia = subprocess.Popen([COPIA], cwd=self.carpeta, env=entorno, stdout=subprocess.PIPE, text=True)
        try:
            self.assertIn("INICIADO", copia.stdout.readline())
            # even with a roster that does not exist: the lock is said before anything else
            for lista in (os.path.join(self.raiz, "no-existe.csv"), self.listas.get("ods", "")):
                r = equipo("--carpeta", self.carpeta, "--importar", lista)
                self.assertNotEqual(r.returncode, 0)
                self.assertIn("KORVA 4 está abierto en la carpeta", r.stderr)
                self.assertIn(self.carpeta, r.stderr)
                self.assertNotIn("no-existe", r.stderr)
            self.comprobar(self.antes, "con korva4")
        finally:
            copia.kill()
            copia.wait()
            copia.stdout.close()


if __name__ == "__main__":
    COPIA = os.path.abspath(sys.argv.pop(2))
    PROGRAMA = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
