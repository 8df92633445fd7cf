#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/listas/lista_de_atletas.h"
#include "nucleo/comun/def_archivo.h"
#include "nucleo/escritura/escritura_de_registros.h"

#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <vector>

namespace korva {

// Where a roster goes: into one record file (0 to 4), or, with -1, the whole squad
// into the level files by age, and every athlete into the fundamentals too when asked. The
// coach may give a level to a row that has none (asignadas: row -> record file), or leave rows out.
struct DestinoDeImportacion {
    int archivo = -1;
    bool conFundamentos = true;
    std::map<int, int> asignadas;
    std::vector<int> quitadas;
};

// What an import would do, shown before anything is written.
struct PlanDeImportacion {
    // One place a name takes: a record file, the record (0 when it does not fit), or already there.
    struct Lugar {
        int archivo = -1;
        int registro = 0;
        bool yaEsta = false;
    };
    struct Fila {
        AtletaImportado atleta;
        QString guardado;          // the name as the record will hold it (composed, Windows-1252, 30 characters)
        bool cortado = false;      // stored otherwise than given
        int nivelPorEdad = -1;     // the level file of the age (-1: none, or no age)
        bool sinNivel = false;     // whole squad: no level for this age, and none given: left out
        bool fueraDeEdad = false;  // one record file: the age is outside its range
        bool quitada = false;      // left out by the coach
        QStringList enOtras;       // the other record files that already hold this name
        std::vector<Lugar> lugares;
        // The row's note, in words, for the preview and the command line.
        QString nota() const;
    };
    std::vector<Fila> filas;
    std::array<int, DefArchivos.size()> libres{};     // empty slots (blank name) in each file
    std::array<int, DefArchivos.size()> aImportar{};  // names new to each file
    bool cabe() const;
    int nuevos() const;
    // For each record file where the new names do not fit, how many there are and how many fit.
    QStringList queNoCabe() const;
};

// The five record files of the folder as they lie on disk, each within its bound.
ResultadoDe<std::array<QByteArray, DefArchivos.size()>> leerLosCincoArchivos(const QString &carpeta);

// The plan over the five files' bytes as they are, or over the files of the folder.
PlanDeImportacion planDeImportacion(const std::array<QByteArray, DefArchivos.size()> &archivos,
                                    const std::vector<AtletaImportado> &lista, const DestinoDeImportacion &destino);
ResultadoDe<PlanDeImportacion> planearImportacion(const QString &carpeta, const std::vector<AtletaImportado> &lista,
                                                  const DestinoDeImportacion &destino);

// The import as planned, through the one writer, all the record files together: each new name takes
// the next empty slot of its record file with its age, its tests blank; nothing is written when the
// names do not all fit. Carries how many records were filled.
ResultadoDe<int> importarAtletas(const QString &carpeta, const std::vector<AtletaImportado> &lista,
                                 const DestinoDeImportacion &destino);
// The same into one record file.
ResultadoDe<int> importarAtletas(const QString &carpeta, const DefArchivo &archivo,
                                 const std::vector<AtletaImportado> &lista);

// Whether a writing action may start now: no copy of the evaluation program is open in the
// folder (said first, before any question, with the folder's name).
Resultado carpetaLibre(const QString &carpeta, int esperar = EsperaDeOtraAccion);

}  // namespace korva
