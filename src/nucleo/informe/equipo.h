#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/comun/tipo_resultados.h"
#include "nucleo/comun/def_archivo.h"

#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace korva {

// One stored athlete as the team report shows it: the record number, the texts as stored
// (name, age, the raw test values; the padding of their fields cut), and the eight results
// that the screen's "Procesar Datos" gives for them. Once scored, the same as numbers, read
// once: the age and test values (none for the name, nor for a text the scoring cannot read)
// and the four percentages (the three capacities and the average).
struct Atleta {
    int numero = 0;
    QStringList datos;
    TipoResultados resultados;
    std::vector<std::optional<double>> valores;          // one per text of datos
    std::array<std::optional<double>, 4> porcentajes{};  // the three capacities and the average
};

// Whether the athlete has any result at all (a sheet or a family report of one without is blank).
bool tieneResultados(const Atleta &atleta);

// An athlete of a record file scored: its texts as the screen's boxes hold them (the
// padding kept, as the scoring reads them), in the order of the file's field map.
Atleta atletaCalificado(const DefArchivo &archivo, int numero, const QStringList &textos);

// The athletes of one record file, read and never written.
struct Equipo {
    enum class Estado { Leido, SinArchivo, Ilegible };

    DefArchivo archivo{};
    QString ruta;
    Estado estado = Estado::SinArchivo;
    QString razon;  // why the file could not be read
    std::vector<Atleta> atletas;
};

// Reads the file of the folder: every record 1 to 30 whose name is not blank, scored by the
// screens' own scoring from empty captions, as a freshly opened screen does. A missing file
// is an empty team; a file that cannot be read says why. The file is opened for reading only.
Equipo leerEquipo(const QString &carpeta, const DefArchivo &archivo);

// A cell's text as a number, the way the scoring reads it; nothing for a text.
std::optional<double> comoNumero(const QString &texto);

// Whether every team was read; else which file could not be, and why.
Resultado equiposLeidos(const std::vector<const Equipo *> &equipos);

}  // namespace korva
