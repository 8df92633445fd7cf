#include "nucleo/registros/archivo_registros.h"

#include "nucleo/comun/archivos_del_sistema.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korva {

ArchivoRegistros::ArchivoRegistros(QString nombre) : m_nombre(std::move(nombre)) {}

ArchivoRegistros::~ArchivoRegistros()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

Resultado ArchivoRegistros::abrirCon(int banderas)
{
    QString razon;
    m_fd = abrirArchivoNormal(m_nombre, banderas, razon);
    return m_fd >= 0 ? Resultado::exito() : Resultado::falla(razon);
}

bool ArchivoRegistros::existe() const
{
    struct stat datos {};
    return ::stat(QFile::encodeName(m_nombre).constData(), &datos) == 0;
}

Resultado ArchivoRegistros::abrir()
{
    return abrirCon(O_RDWR | O_CREAT);
}

Resultado ArchivoRegistros::abrirParaLeer()
{
    if (!existe())
        return abrir();
    return abrirSoloLectura();
}

Resultado ArchivoRegistros::abrirSoloLectura()
{
    return abrirCon(O_RDONLY);
}

bool ArchivoRegistros::vacio() const
{
    struct stat datos {};
    return ::fstat(m_fd, &datos) == 0 && datos.st_size == 0;
}

Resultado ArchivoRegistros::leerTodos(TablaRegistros &tabla)
{
    const qint64 total = qint64(LongitudRegistro) * RegistrosPorArchivo;
    QByteArray datos(total, '\0');
    {
        const CerrojoDeArchivo cerrojo(m_fd, LOCK_SH, m_nombre);
        if (!cerrojo.tomado())
            return cerrojo.tomado();
        qint64 leidos = 0;
        while (leidos < total) {
            const ssize_t n = ::pread(m_fd, datos.data() + leidos, size_t(total - leidos), off_t(leidos));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return Resultado::falla(razonDelSistema());
            if (n == 0)
                break;  // the file ends here: the rest stays zero bytes
            leidos += n;
        }
    }
    for (int x = 1; x <= RegistrosPorArchivo; ++x)
        tabla[x] = TipoReg::desdeBytes(datos.mid(posicionDeRegistro(x), LongitudRegistro));
    return Resultado::exito();
}

Resultado ArchivoRegistros::escribirEn(qint64 posicion, const QByteArray &bytes)
{
    const CerrojoDeArchivo cerrojo(m_fd, LOCK_EX, m_nombre);
    if (!cerrojo.tomado())
        return cerrojo.tomado();
    struct stat datos {};
    if (::fstat(m_fd, &datos) != 0)
        return Resultado::falla(razonDelSistema());
    QByteArray todo = bytes;
    if (datos.st_size < posicion) {
        // A record written past the end: the records in between become zero bytes.
        todo.prepend(QByteArray(posicion - datos.st_size, '\0'));
        posicion = datos.st_size;
    }
    qint64 escritos = 0;
    while (escritos < todo.size()) {
        const ssize_t n =
            ::pwrite(m_fd, todo.constData() + escritos, size_t(todo.size() - escritos), off_t(posicion + escritos));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Resultado::falla(razonDelSistema(n < 0 ? errno : ENOSPC));
        escritos += n;
    }
    if (::fsync(m_fd) != 0 && errno != EINVAL && errno != EROFS)
        return Resultado::falla(razonDelSistema());
    return Resultado::exito();
}

Resultado ArchivoRegistros::escribir(int n, const TipoReg &registro)
{
    Q_ASSERT(n >= 1 && n <= RegistrosPorArchivo);
    return escribirEn(posicionDeRegistro(n), registro.bytes());
}

Resultado ArchivoRegistros::escribirTodos(const TablaRegistros &tabla)
{
    QByteArray todo;
    todo.reserve(LongitudRegistro * RegistrosPorArchivo);
    for (int n = 1; n <= RegistrosPorArchivo; ++n)
        todo.append(tabla[n].bytes());
    return escribirEn(0, todo);
}

}  // namespace korva
