#pragma once

#include "nucleo/calificacion/grado.h"
#include "nucleo/comun/resultado.h"
#include "nucleo/comun/def_archivo.h"
#include "nucleo/calificacion/pruebas.h"

#include <QDateTime>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace korva {

// One test taken for a whole record file at a station: the record file's athletes in record order, each
// with the test's value now and in the latest saved evaluation, the results a value gives
// as "Procesar Datos" would on the athlete's screen, and the values written back through the
// one writer, that field alone.
class TomaDePrueba
{
public:
    struct Fila {
        int numero = 0;
        QString nombre;
        QString edad;
        QStringList textos;               // the record's texts as its screen's boxes hold them
        QString valor;                    // the test's value as stored (its padding cut)
        QString antes;                    // the value in the latest saved evaluation, matched by name
        std::optional<Grado> gradoAntes;  // that capacity's grade then
    };
    // A capacity's result: its percentage and its grade, empty where the screen leaves them.
    struct Resultado {
        QString porcentaje;
        QString grado;
        // As the grid shows it: "75 %  ·  II"; empty where the screen shows nothing.
        QString enTexto() const;
    };

    // The record file (0 to 4) and its test (by pruebasDe() order) in the folder; with the latest
    // saved evaluation, for "Antes". A record file that cannot be read says why.
    static ResultadoDe<TomaDePrueba> abrir(const QString &carpeta, int archivo, int prueba);

    const QString &carpeta() const { return m_carpeta; }
    const DefArchivo &archivo() const { return DefArchivos[std::size_t(m_indice)]; }
    int indiceArchivo() const { return m_indice; }
    const DefPrueba &prueba() const { return pruebasDe(archivo())[std::size_t(m_prueba)]; }
    const QString &evaluacionAntes() const { return m_evaluacionAntes; }
    const std::vector<Fila> &filas() const { return m_filas; }

    // The capacity's result of the athlete of that row with this value in the test's place.
    Resultado resultadoCon(std::size_t fila, const QString &valor) const;
    // Why the value looks wrong for that athlete (soft: it can be stored): the test's own
    // warnings, and a grade two or more grades away from the one then.
    QStringList avisos(std::size_t fila, double valor) const;

    // Writes the values (record number -> value) into the test's field of those records, and
    // nothing else, all or nothing; a record whose name is no longer the one shown is
    // refused. Carries how many records changed.
    ResultadoDe<int> guardar(const std::map<int, QString> &valores) const;

    // The values typed and not saved, kept beside the record files after every value, for a
    // crash or a power cut; offered back the next time the same record file and test are opened.
    QString rutaDeRecuperacion() const;
    ::korva::Resultado guardarRecuperacion(const std::map<int, QString> &valores) const;
    std::map<int, QString> leerRecuperacion(QDateTime *cuando = nullptr) const;
    void quitarRecuperacion() const;

    // A list of names and values (rows of two columns, a header row allowed) as values of
    // this record file's athletes, matched by name as the comparison matches them. An unknown name,
    // a value that does not read, or an athlete whose name two records share refuses the
    // whole list, with every reason.
    ResultadoDe<std::map<int, QString>> valoresDeFilas(const std::vector<QStringList> &filas,
                                                       QStringList *avisos = nullptr) const;

private:
    QString m_carpeta;
    int m_indice = 0;
    int m_prueba = 0;
    QString m_evaluacionAntes;
    std::vector<Fila> m_filas;
};

// A value as it will be stored in the test's field, checked as those very bytes: the blanks
// at its ends and the invisible format characters dropped (the scoring ignores them too),
// then refused when it is longer than the field, when a character has no exact Windows-1252
// form, or when the scoring cannot read it. The one rule for every value, typed, pasted,
// listed or recovered: what passes is stored as its texto, byte for byte.
LecturaDeValor valorParaGuardar(const DefPrueba &prueba, const QString &texto);

}  // namespace korva
