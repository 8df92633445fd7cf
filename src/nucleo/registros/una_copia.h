#pragma once

#include <QString>

namespace korva {

// The lock file that marks a folder where a copy of the program runs.
inline const QString NombreCerrojo = QStringLiteral("korva4.lock");

// Keeps a second copy of the program out of a folder where one runs. The lock is one that
// the system holds for the process and drops when it ends, however it ends: on the folder
// itself and on its lock file, so that whatever the lock file holds (nothing, garbage, a
// folder, the lock of another machine) only a copy that really runs keeps another out.
class UnaCopia
{
public:
    enum class Estado { Unica, OtraAbierta, SinCerrojo };

    explicit UnaCopia(const QString &carpeta);
    ~UnaCopia();
    UnaCopia(const UnaCopia &) = delete;
    UnaCopia &operator=(const UnaCopia &) = delete;

    Estado estado() const { return m_estado; }
    // Why no lock could be made, when none could.
    const QString &razon() const { return m_razon; }

private:
    Estado m_estado = Estado::SinCerrojo;
    QString m_razon;
    int m_carpeta = -1;
    int m_archivo = -1;
};

}  // namespace korva
