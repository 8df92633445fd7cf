#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/comun/def_archivo.h"
#include "nucleo/registros/una_copia.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace korva {

// The one way the team report changes record files, all or nothing:
//   1. the action plans every file's new bytes in memory, from files read within their
//      bound (leer, cambiar);
//   2. preparar() checks, before the first byte changes, the folder's lock, each file to
//      change (a regular file, readable and writable, not marked read-only, not a disk
//      mounted in its place) and the free space, then writes and flushes every new file
//      beside its place, and a copy of every old one;
//   3. aplicar() confirms the lock, renames the new files into place one after another and
//      flushes the folder; when a rename fails, the files already renamed get their old
//      bytes back, and the reason says both what failed and what was put back.
// After a power cut between two renames, each file is whole, old or new. A record file that
// is a symbolic link is written at its target, the link kept; two record files that are one
// file (a link to a sibling, or two names of one file) are refused before anything changes.
// While it holds the lock, it removes what earlier runs that were cut off left behind under
// its own temporary names, and nothing else. What is not put in place is removed when the
// writer ends.
class EscrituraDeRegistros
{
public:
    explicit EscrituraDeRegistros(const QString &carpeta);
    ~EscrituraDeRegistros();
    EscrituraDeRegistros(const EscrituraDeRegistros &) = delete;
    EscrituraDeRegistros &operator=(const EscrituraDeRegistros &) = delete;

    const QString &carpeta() const { return m_carpeta; }
    // Whether this action may change the folder's files: the one-copy lock is its own; else
    // why not (the evaluation program is open there), naming the folder.
    const Resultado &cerrojo() const { return m_cerrojo; }

    // A record file of the folder as it is now, for the plan: empty when there is none.
    // Refused when it is not a regular file, cannot be read or is larger than a record file.
    ResultadoDe<QByteArray> leer(const DefArchivo &archivo);
    // The new bytes of a file read with leer(); the same bytes as now change nothing.
    void cambiar(const DefArchivo &archivo, const QByteArray &nuevos);
    // How many files the plan changes.
    int cambios() const;

    Resultado preparar();
    Resultado aplicar();
    // After a failed aplicar(): whether every file is as it was before (what was renamed
    // was put back).
    bool todoComoAntes() const { return m_comoAntes; }

    // For the tests: the rename that aplicar() uses (rename(2) by default).
    using Renombrar = std::function<int(const QByteArray &de, const QByteArray &a)>;
    void ponerRenombrar(Renombrar renombrar) { m_renombrar = std::move(renombrar); }

private:
    struct Archivo {
        QString ruta;     // its name in the folder, as the messages say it
        QString destino;  // where its bytes are: the name itself, or a link's target
        bool existia = false;
        unsigned long long dispositivo = 0, nodo = 0;  // which file it is, for two names of one
        QByteArray antes;
        QByteArray nuevos;
        unsigned permisos = 0;
        long propietario = -1, grupo = -1;
        QString obra;      // the new bytes, beside the file
        QString respaldo;  // the old bytes, beside the file
        bool cambia() const;
    };
    Archivo *buscar(const QString &ruta);
    Resultado comprobar(const Archivo &a) const;
    void quitarRestos() const;
    void quitarObras();

    QString m_carpeta;
    UnaCopia m_unaCopia;
    Resultado m_cerrojo;
    std::vector<Archivo> m_archivos;
    bool m_preparado = false;
    bool m_comoAntes = true;
    Renombrar m_renombrar;
};

// Another writing action of the team report holds the folder's lock for the moment it
// writes: an action waits that long (in milliseconds) before it refuses.
inline constexpr int EsperaDeOtraAccion = 2000;

// The reason an action refuses while the evaluation program is open in the folder, or while
// the folder's lock cannot be made at all.
Resultado cerrojoDeLaAccion(const UnaCopia &cerrojo, const QString &carpeta);

}  // namespace korva
