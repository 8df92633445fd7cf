#!/usr/bin/env python3
"""Writes the four reference documents of KORVA 4 as RTF files under resources/documentos/.

RTF is plain text with tables and accents that LibreOffice, Word and other word processors
open. Text is written in the Windows-1252 code page as RTF escapes.
"""
import os

# The documents are laid out on A4 (Spain) and stay within what A4 and Letter (Mexico) have in
# common: the width of A4 and the height of Letter, inside margins of 2 cm at the sides and
# 1.76 cm at the top and bottom. Sizes are in twips (1440 to the inch).
PAPEL = (11906, 16838)             # A4
MARGEN_LADO, MARGEN_ALTO = 1134, 1000
ANCHO = 9600                       # the width of every table; A4 leaves 9638 inside the margins


def esc(texto):
    salida = []
    for c in texto:
        if c in '\\{}':
            salida.append('\\' + c)
        elif ord(c) < 128:
            salida.append(c)
        else:
            try:
                b = c.encode('cp1252')
                salida.append("\\'%02x" % b[0])
            except UnicodeEncodeError:
                salida.append('\\u%d?' % ord(c))
    return ''.join(salida)


class Documento:
    def __init__(self, letra=24):
        self.partes = []
        self.letra = letra  # body text size in half points

    # Headings keep with the paragraph that follows them (\\keepn), so that none is left at the
    # foot of a page; a title may start a new page (\\pagebb).
    def titulo(self, texto, tam=32, pagina_nueva=False):
        self.partes.append('\\pard\\qc\\keepn%s\\sb120\\sa120\\b\\fs%d %s\\b0\\fs%d\\par\n'
                           % ('\\pagebb' if pagina_nueva else '', tam, esc(texto), self.letra))

    def seccion(self, texto):
        self.partes.append('\\pard\\keepn\\sb200\\sa60\\b\\fs%d %s\\b0\\fs%d\\par\n'
                           % (self.letra + 2, esc(texto), self.letra))

    def subseccion(self, texto):
        self.partes.append('\\pard\\keepn\\sb100\\sa40\\b\\i %s\\b0\\i0\\par\n' % esc(texto))

    def parrafo(self, texto):
        self.partes.append('\\pard\\qj\\sa100 %s\\par\n' % esc(texto))

    def lista(self, lineas):
        for i, l in enumerate(lineas):
            # a list holds together, and with the line that leads into it
            seguir = '\\keepn' if i + 1 < len(lineas) else ''
            self.partes.append('\\pard\\li720\\fi-360%s\\sa30 \\bullet\\tab %s\\par\n' % (seguir, esc(l)))

    def linea(self, texto, seguir=False):
        self.partes.append('\\pard%s\\sa40 %s\\par\n' % ('\\keepn' if seguir else '', esc(texto)))

    # A table row never splits over two pages (\\trkeep); a row of fixed height (a negative
    # \\trrh) keeps the same height whatever it holds, so a form fills its page as designed.
    def fila(self, anchos, celdas, negrita=False, alto=320, tam=24, fijo=False):
        borde = ''.join('\\clbrdr%s\\brdrs\\brdrw10' % lado for lado in 'tlbr')
        x = 0
        defs = []
        for a in anchos:
            x += a
            defs.append('%s\\clvertalc\\cellx%d' % (borde, x))
        cuerpo = ''.join('\\pard\\intbl\\qc\\fs%d%s %s%s\\fs24\\cell ' % (tam, '\\b' if negrita else '', esc(c),
                                                                       '\\b0' if negrita else '')
                         for c in celdas)
        self.partes.append('\\trowd\\trkeep\\trgaph60\\trleft0\\trrh%d%s\n%s\\row\n'
                           % (-alto if fijo else alto, ''.join(defs), cuerpo))

    # The paragraph after a table: small, so that a table that fills its page does not push
    # it onto a page of its own.
    def fin_tabla(self):
        self.partes.append('\\pard\\sa0\\sb0\\fs8\\par\\fs%d\n' % self.letra)

    def rtf(self):
        cabecera = ('{\\rtf1\\ansi\\ansicpg1252\\deff0'
                    '{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}'
                    '{\\info{\\title KORVA 4}}'
                    '\\paperw%d\\paperh%d\\margl%d\\margr%d\\margt%d\\margb%d'
                    '\\f0\\fs%d\n' % (PAPEL + (MARGEN_LADO, MARGEN_LADO, MARGEN_ALTO, MARGEN_ALTO, self.letra)))
        return cabecera + ''.join(self.partes) + '}\n'


def metodologia_capacidades():
    d = Documento(letra=22)
    d.titulo('METODOLOGÍA', 36)
    d.titulo('CAPACIDADES FÍSICAS', 30)
    d.parrafo('Para realizar las pruebas del KORVA5 se requiere del siguiente material')
    d.lista([
        'Un cronometro con decimas de segundo',
        'Un silbato',
        'Una tabla para anotar los datos de las pruebas',
        'Una superficie donde se pueda desarrollar las pruebas de 600mts y 60 mts de preferencia una pista de '
        '400 mts o una cancha de futbol.',
        'Una area de piso para las pruebas de fuerza',
    ])
    d.seccion('PRUEBA DE RESISTENCIA')
    d.parrafo('La prueba consiste en recorrer 400 metros y se aplica a los atletas de 11 años y menores. '
              'La distancia se mide antes de la prueba, de preferencia sobre una superficie plana y blanda.')
    d.parrafo('La salida es de pie, con un pie adelantado; no se permite la salida agachada. Durante la prueba '
              'el atleta puede correr, trotar o caminar hasta llegar a la meta.')
    d.parrafo('Se anota el mejor tiempo del atleta.')
    d.seccion('PRUEBA DE VELOCIDAD')
    d.parrafo('La prueba consiste en recorrer 60 metros y se aplica por igual a niños y niñas, sobre cualquier '
              'superficie plana.')
    d.parrafo('La salida es de pie, con un pie adelante y el otro atrás; no se permite la salida agachada.')
    d.parrafo('Se anota el mejor tiempo del atleta.')
    d.seccion('PRUEBAS DE FUERZA')
    d.subseccion('LAGARTIJAS')
    d.parrafo('El atleta se coloca boca abajo, con las manos a la altura de las axilas, los dedos hacia adelante '
              'y la cabeza alineada con el tronco. Los niños se apoyan sobre las puntas de los pies y las niñas '
              'sobre las rodillas.')
    d.parrafo('Una repetición es una extensión y una flexión de los brazos. Se cuentan las repeticiones hasta que '
              'el atleta ya no realiza el movimiento correctamente.')
    d.subseccion('ABDOMINALES:')
    d.parrafo('Se realizan sobre una superficie plana, de preferencia blanda, y en parejas: el compañero sujeta '
              'los tobillos del atleta. El atleta se acuesta boca arriba, con las piernas juntas y extendidas y '
              'las manos entrelazadas detrás de la nuca.')
    d.parrafo('Desde la posición acostada se levanta hasta quedar sentado y toca con el codo la rodilla '
              'contraria, alternando los lados en cada repetición. Las piernas no se pueden flexionar. Se cuentan '
              'los movimientos completos hasta que el atleta pierde la técnica.')
    d.subseccion('SENTADILLAS:')
    d.parrafo('El atleta se coloca de pie, con los pies ligeramente separados y las manos al frente, y flexiona '
              'las piernas hasta formar un ángulo de 90 grados antes de volver a subir.')
    d.parrafo('Se cuentan las repeticiones realizadas en 20 segundos. Las condiciones son las mismas para ambos '
              'sexos.')
    return d


def metodologia_fundamentos():
    d = Documento(letra=22)
    d.titulo('METODOLOGIA TEST FÚTBOL', 34)
    aplica = ('Estas pruebas se aplican a los atletas de 8 a 15 años, sobre una superficie plana, de preferencia '
              'pasto o tierra. Los resultados se anotan en la tabla de control.')
    d.seccion('PRUEBAS DE CONDUCCIÓN:')
    d.parrafo(aplica)
    d.parrafo('Conducir en zigzag, 20 mts entre 5 conos ida y vuelta')
    d.parrafo('La prueba se realiza una vez con cada una de las siguientes partes del pie:')
    d.lista(['Parte interna', 'Parte externa'])
    d.parrafo('Se anota el mejor tiempo del atleta con cada parte del pie.')
    d.seccion('PRUEBAS DE RECEPCIÓN:')
    d.parrafo(aplica)
    d.parrafo('El instructor realiza 10 lanzamientos del balón al aire y cuenta como buenas las recepciones que '
              'él juzga bien hechas. Se anotan los intentos buenos y los malos.')
    d.parrafo('La prueba se realiza una vez con cada una de las siguientes partes del cuerpo:')
    d.lista(['Pecho', 'Muslo', 'Pie'])
    d.seccion('PRUEBAS DE PATEO:')
    d.parrafo(aplica)
    d.parrafo('Se colocan dos conos separados 40 cm entre sí, a 10 m de distancia para las edades de 8 a 11 años '
              'y a 15 m para las edades de 12 a 15 años. Cada atleta realiza 10 pateos; un pateo es bueno cuando '
              'el balón pasa entre los conos. Se anota el número de pateos buenos.')
    d.parrafo('La prueba se realiza una vez con cada una de las siguientes partes del pie:')
    d.lista(['Parte interna', 'Parte Externa', 'Parte frontal(empeine)'])
    d.parrafo('')
    d.linea('Estas pruebas son aplicables para los niveles 1,2,3,4,5,6', seguir=True)
    niveles = ['Nivel 1y 2 (6 y 7 años)', 'Nivel 3  (8 y 9 años)', 'Nivel 4  (10 y 11 años)',
               'Nivel 5 (12 y 13 años)', 'Nivel 6 (14 y 15 años)']
    for i, l in enumerate(niveles):
        d.linea(l, seguir=i + 1 < len(niveles))
    return d


# A page each: the first table alone, then the title, its fill-in lines and the second table.
def tabla_capacidades(d):
    anchos = [3240] + [1060] * 6
    assert sum(anchos) == ANCHO
    d.fila(anchos, ['NOMBRE', 'EDAD', 'RESIST', 'VELOC', 'LAGART', 'ABDOM', 'SANTAD'], negrita=True, alto=340, tam=20,
           fijo=True)
    for _ in range(39):
        d.fila(anchos, [''] * 7, alto=285, fijo=True)
    d.fin_tabla()


def formato_capacidades():
    d = Documento()
    tabla_capacidades(d)
    d.titulo('FORMATO KORVA1', 32, pagina_nueva=True)
    d.linea('NOMBRE DE ESCUELA __________________________    GRUPO __________', seguir=True)
    d.linea('PROF. EDUCACIÓN FÍSICA ____________________________________', seguir=True)
    d.parrafo('')
    tabla_capacidades(d)
    return d


def formato_fundamentos():
    d = Documento()
    d.titulo('FORMATO KORVA 5 FUNDAMENTOS TÉCNICOS', 30)
    d.linea('EQUIPO ______________________________    FECHA ________________', seguir=True)
    d.parrafo('')
    nombre, edad, celda = 2160, 720, 840
    assert nombre + edad + 8 * celda == ANCHO
    d.fila([nombre, edad, celda * 2, celda * 3, celda * 3],
           ['NOMBRE', 'EDAD', 'CONDUCCIÓN INTER EXTER', 'RECEPCIÓN PECH,MUS,PIE', 'TIRO INT.EXT.FRON'],
           negrita=True, alto=560, tam=20)
    for _ in range(29):
        d.fila([nombre, edad] + [celda] * 8, [''] * 10, alto=380, fijo=True)
    d.fin_tabla()
    return d


def main():
    raiz = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    destino = os.path.join(raiz, 'resources', 'documentos')
    os.makedirs(destino, exist_ok=True)
    documentos = {
        'Metodologia-capacidades-fisicas.rtf': metodologia_capacidades(),
        'Metodologia-fundamentos.rtf': metodologia_fundamentos(),
        'Formato-capacidades-fisicas.rtf': formato_capacidades(),
        'Formato-fundamentos-tecnicos.rtf': formato_fundamentos(),
    }
    for nombre, doc in documentos.items():
        with open(os.path.join(destino, nombre), 'w', encoding='ascii', newline='\r\n') as f:
            f.write(doc.rtf())


if __name__ == '__main__':
    main()
