#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/registros/def_archivo.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace korva {

// One athlete of a roster to import: the name as given, the age (may be empty).
struct AtletaImportado {
    QString nombre;
    QString edad;
};

// The most a roster file may measure: a squad's list is a few kilobytes.
constexpr qint64 TamanoMaximoDeLista = 4 * 1024 * 1024;

// A roster pasted from a spreadsheet or read from a CSV or text file: a name per row, the
// age in a second column when there is one; the separator (tab, ";" or ",") found in the
// text; a first row of column titles ("Nombre", "Edad") is no athlete.
std::vector<AtletaImportado> leerLista(const QString &texto);
// The text of a roster file, in UTF-8 or else Windows-1252.
QString textoDeLista(const QByteArray &bytes);
// A roster file's text, read without waiting and within its bound; else why not, with the
// file's path.
ResultadoDe<QString> leerArchivoDeLista(const QString &ruta);

// What an import would do, shown before anything is written.
struct PlanDeImportacion {
    struct Fila {
        AtletaImportado atleta;
        QString guardado;      // the name as the record will hold it (composed, Windows-1252, 30 characters)
        int registro = 0;      // the slot it takes; 0 when skipped
        bool yaEsta = false;   // a name already in the file: skipped
        bool cortado = false;  // stored otherwise than given
    };
    std::vector<Fila> filas;
    int libres = 0;  // empty slots (blank name) in the file
    int aImportar = 0;
    bool cabe() const { return aImportar <= libres; }
};
// The plan over the file's bytes as they are, or over the file of the folder.
PlanDeImportacion planDeImportacion(const QByteArray &archivo, const std::vector<AtletaImportado> &lista);
ResultadoDe<PlanDeImportacion> planearImportacion(const QString &carpeta, const DefArchivo &archivo,
                                                  const std::vector<AtletaImportado> &lista);
// Imports as planned into the file's empty slots, in order, through the one writer: each
// takes its name and age, and its tests stay blank; nothing is written when they do not all
// fit. Carries how many.
ResultadoDe<int> importarAtletas(const QString &carpeta, const DefArchivo &archivo,
                                 const std::vector<AtletaImportado> &lista);

}  // namespace korva
