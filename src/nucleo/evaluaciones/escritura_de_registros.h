#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/registros/def_archivo.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace korva {

// The only two actions of the team report that write the record files. Each runs only
// while no copy of the evaluation program runs in the folder, holding the same one-copy
// lock for its duration, and replaces each file whole (written beside, flushed, renamed,
// the folder flushed): after a power cut each file is either as it was or as it should be.

// "Nueva evaluación": the current evaluation saved first (and checked whole), then in each
// of the five files the test values of every stored athlete become blanks, as an empty box
// stores them; names, ages and every other byte stay. Carries the saved evaluation's folder.
ResultadoDe<QString> nuevaEvaluacion(const QString &carpeta, const QString &etiqueta);

// One athlete of a roster to import: the name as given, the age (may be empty).
struct AtletaImportado {
    QString nombre;
    QString edad;
};

// A roster pasted from a spreadsheet or read from a CSV or text file: a name per row, the
// age in a second column when there is one; the separator (tab, ";" or ",") found in the
// text; a first row of column titles ("Nombre", "Edad") is no athlete.
std::vector<AtletaImportado> leerLista(const QString &texto);
// The text of a roster file, in UTF-8 or else Windows-1252.
QString textoDeLista(const QByteArray &bytes);

// What an import would do, shown before anything is written.
struct PlanDeImportacion {
    struct Fila {
        AtletaImportado atleta;
        QString guardado;   // the name as the record will hold it (composed, Windows-1252, 30 characters)
        int registro = 0;   // the slot it takes; 0 when skipped
        bool yaEsta = false;  // a name already in the file: skipped
        bool cortado = false; // stored otherwise than given
    };
    std::vector<Fila> filas;
    int libres = 0;     // empty slots (blank name) in the file
    int aImportar = 0;
    bool cabe() const { return aImportar <= libres; }
};
ResultadoDe<PlanDeImportacion> planearImportacion(const QString &carpeta, const DefArchivo &archivo,
                                                  const std::vector<AtletaImportado> &lista);
// Imports as planned into the file's empty slots, in order: each takes its name and age, and
// its tests stay blank; nothing is written when they do not all fit. Carries how many.
ResultadoDe<int> importarAtletas(const QString &carpeta, const DefArchivo &archivo,
                                 const std::vector<AtletaImportado> &lista);

// A name as athletes are matched: composed, its case ignored, the blanks around it ignored.
QString claveDeNombre(const QString &nombre);

}  // namespace korva
