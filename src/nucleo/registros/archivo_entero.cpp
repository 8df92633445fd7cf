#include "nucleo/registros/archivo_entero.h"

#include "nucleo/comun/archivos_del_sistema.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korva {

ResultadoDe<QByteArray> leerArchivoEntero(const QString &ruta)
{
    using R = ResultadoDe<QByteArray>;
    struct stat datos {};
    if (::lstat(QFile::encodeName(ruta).constData(), &datos) != 0 && errno == ENOENT)
        return R::exito();
    QString razon;
    const int fd = abrirArchivoNormal(ruta, O_RDONLY, razon);
    if (fd < 0)
        return R::falla(razon);
    R leido = R::falla(QString());
    {
        const CerrojoDeArchivo cerrojo(fd, LOCK_SH, ruta);
        leido = cerrojo.tomado() ? leerDescriptorAcotado(fd, TamanoMaximoDeRegistros) : R::falla(cerrojo.tomado());
    }
    ::close(fd);
    return leido;
}

TipoReg registroEn(const QByteArray &bytes, int n)
{
    return TipoReg::desdeBytes(bytes.mid(posicionDeRegistro(n), LongitudRegistro));
}

void ponerRegistroEn(QByteArray &bytes, int n, const TipoReg &registro)
{
    const qsizetype desde = posicionDeRegistro(n);
    if (bytes.size() < desde + LongitudRegistro)
        bytes.append(QByteArray(desde + LongitudRegistro - bytes.size(), '\0'));
    bytes.replace(desde, LongitudRegistro, registro.bytes());
}

}  // namespace korva
