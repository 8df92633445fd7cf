#include "nucleo/registros/archivo_registros.h"


#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace korva {

ArchivoRegistros::ArchivoRegistros(const QString &nombre) : m_archivo(nombre) {}

ArchivoRegistros::~ArchivoRegistros()
{
    m_archivo.close();
}

Resultado ArchivoRegistros::fallaDelSistema() const
{
    return Resultado::falla(m_archivo.errorString());
}

Resultado ArchivoRegistros::abrir()
{
    // Unbuffered, so that a write that the system refuses fails at once and not later.
    if (!m_archivo.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return fallaDelSistema();
    return Resultado::exito();
}

Resultado ArchivoRegistros::abrirParaLeer()
{
    if (!m_archivo.exists())
        return abrir();
    return abrirSoloLectura();
}

Resultado ArchivoRegistros::abrirSoloLectura()
{
    if (!m_archivo.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fallaDelSistema();
    return Resultado::exito();
}

bool ArchivoRegistros::vacio() const
{
    return m_archivo.size() == 0;
}

Resultado ArchivoRegistros::leerTodos(TablaRegistros &tabla)
{
    if (!m_archivo.seek(0))
        return fallaDelSistema();
    const qint64 total = qint64(LongitudRegistro) * RegistrosPorArchivo;
    QByteArray datos(total, '\0');
    qint64 leidos = 0;
    while (leidos < total) {
        const qint64 n = m_archivo.read(datos.data() + leidos, total - leidos);
        if (n < 0)
            return fallaDelSistema();
        if (n == 0)
            break;  // the file ends here: the rest stays zero bytes
        leidos += n;
    }
    for (int x = 1; x <= RegistrosPorArchivo; ++x)
        tabla[x] = TipoReg::desdeBytes(datos.mid(qsizetype(x - 1) * LongitudRegistro, LongitudRegistro));
    return Resultado::exito();
}

Resultado ArchivoRegistros::escribirEn(qint64 posicion, const QByteArray &bytes)
{
    const qint64 tamano = m_archivo.size();
    if (tamano < posicion) {
        // A record written past the end: the records in between become zero bytes.
        if (!m_archivo.seek(tamano))
            return fallaDelSistema();
        if (m_archivo.write(QByteArray(posicion - tamano, '\0')) != posicion - tamano)
            return fallaDelSistema();
    }
    if (!m_archivo.seek(posicion))
        return fallaDelSistema();
    if (m_archivo.write(bytes) != bytes.size())
        return fallaDelSistema();
    return asentar();
}

Resultado ArchivoRegistros::asentar()
{
    if (!m_archivo.flush())
        return fallaDelSistema();
    if (::fsync(m_archivo.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return Resultado::falla(QString::fromLocal8Bit(std::strerror(errno)));
    return Resultado::exito();
}

Resultado ArchivoRegistros::escribir(int n, const TipoReg &registro)
{
    Q_ASSERT(n >= 1 && n <= RegistrosPorArchivo);
    return escribirEn(qint64(n - 1) * LongitudRegistro, registro.bytes());
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
