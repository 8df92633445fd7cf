#include "nucleo/registros/uso_de_archivos.h"

#include <QFile>

#include <sys/stat.h>

namespace korva {

QString UsoDeArchivos::reclamar(const QString &ruta, const QString &pantalla)
{
    struct stat datos {};
    if (::stat(QFile::encodeName(ruta).constData(), &datos) != 0)
        return {};  // a file that is not there yet is nobody else's
    const auto clave = std::make_pair<unsigned long long, unsigned long long>(datos.st_dev, datos.st_ino);
    const auto [it, nuevo] = m_duenos.emplace(clave, pantalla);
    if (nuevo || it->second == pantalla)
        return {};
    return it->second;
}

}  // namespace korva
