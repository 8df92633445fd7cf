#pragma once

#include "comun/resultados.h"
#include "records/archivos.h"

#include <QLocale>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace korva {

// One stored athlete as the team report shows it: the record number, the texts as stored
// (name, age, the raw test values; the padding of their fields cut), and the eight results
// that the screen's "Procesar Datos" gives for them.
struct Atleta {
    int numero = 0;
    QStringList datos;
    TipoResultados resultados;
};

// The athletes of one record file, read and never written.
struct Equipo {
    enum class Estado { Leido, SinArchivo, Ilegible };

    ArchivoDeRegistros archivo{};
    QString ruta;
    Estado estado = Estado::SinArchivo;
    QString razon;  // why the file could not be read
    std::vector<Atleta> atletas;
};

// The headings of the columns: the record number, name, age and raw values, then the results
// in the order of TipoResultados.
QStringList columnasDatos(const ArchivoDeRegistros &archivo);
QStringList columnasResultados(const ArchivoDeRegistros &archivo);

// The athlete's row as texts, column by column: the record number, the stored texts, then the
// eight results.
QStringList celdas(const Atleta &atleta);
// Whether a column of that row holds a grade (I to SN), and whether it may hold a number.
bool esColumnaDeNivel(const ArchivoDeRegistros &archivo, int columna);
bool esColumnaNumerica(const ArchivoDeRegistros &archivo, int columna);

// Reads the file of the folder: every record 1 to 30 whose name is not blank, scored by the
// screens' own scoring from empty captions, as a freshly opened screen does. A missing file
// is an empty team; a file that cannot be read says why. The file is opened for reading only.
Equipo leerEquipo(const QString &carpeta, const ArchivoDeRegistros &archivo, const QLocale &locale = QLocale());

// The grades in their own order, I to SN; anything else (no grade) after them.
constexpr std::array<const char *, 5> Niveles{"I", "II", "III", "IV", "SN"};
int ordenDeNivel(const QString &nivel);

// How the team did: athletes per overall grade (the last place counts those with none), and
// the mean of each capacity's percentage and of the average, over those that have one.
struct Resumen {
    int atletas = 0;
    std::array<int, Niveles.size() + 1> porNivel{};
    std::array<std::optional<double>, 4> medias{};  // Label11, Label12, Label13, Label19
};
Resumen resumir(const Equipo &equipo);
// The names of the four means, for the archivo's kind of screen.
QStringList nombresDeMedias(const ArchivoDeRegistros &archivo);

// A cell's text as a number, the way the scoring reads it; nothing for a text.
std::optional<double> comoNumero(const QString &texto);

// The summary in words, line by line: the athletes, how many got each overall grade, the
// means of the percentages (one decimal, in the locale's way).
QStringList textoResumen(const Equipo &equipo, const Resumen &resumen, const QLocale &locale = QLocale());

}  // namespace korva
