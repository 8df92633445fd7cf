#pragma once

#include "nucleo/comun/resultado.h"

#include <QString>

namespace korva {

// The lock file that marks a folder where a copy of the program runs.
inline const QString NombreCerrojo = QStringLiteral("korva4.lock");

// Keeps a second copy of the program out of a folder where one runs. The lock is one that
// the system holds for the process and drops when it ends, however it ends: on the folder
// itself and on its lock file, so that whatever the lock file holds (nothing, garbage, a
// folder, the lock of another machine) only a copy that really runs keeps another out.
// The evaluation program holds it for its whole run, the team report only while it writes.
class UnaCopia
{
public:
    enum class Estado { Unica, OtraAbierta, SinCerrojo };

    // With a wait (in milliseconds), a lock held by another copy is tried again until then:
    // the team report's writing actions hold it only for the moment they write.
    explicit UnaCopia(const QString &carpeta, int esperar = 0);
    ~UnaCopia();
    UnaCopia(const UnaCopia &) = delete;
    UnaCopia &operator=(const UnaCopia &) = delete;

    Estado estado() const { return m_estado; }
    // Why no lock could be made, when none could.
    const QString &razon() const { return m_razon; }

    // Before a write: whether the folder at the path is still the folder locked. One made
    // again (removed and made anew, a memory stick pulled out and put back) is locked now,
    // unless another copy already holds it there: then the write must not happen.
    Resultado confirmar();

private:
    void tomar();
    void soltar();

    QString m_ruta;
    Estado m_estado = Estado::SinCerrojo;
    QString m_razon;
    int m_carpeta = -1;
    int m_archivo = -1;
};

}  // namespace korva
