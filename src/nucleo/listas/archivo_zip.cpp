#include "nucleo/listas/archivo_zip.h"

#include <unzip.h>

#include <cstring>

namespace korva {

ArchivoZip::ArchivoZip(const QByteArray &bytes) : m_memoria{bytes, 0}
{
    zlib_filefunc64_def funciones{};
    funciones.zopen64_file = [](voidpf opaque, const void *, int) -> voidpf { return opaque; };
    funciones.zread_file = [](voidpf, voidpf flujo, void *destino, uLong n) -> uLong {
        auto *m = static_cast<Memoria *>(flujo);
        const qint64 leidos = qMin<qint64>(qint64(n), qMax<qint64>(0, m->bytes.size() - m->posicion));
        std::memcpy(destino, m->bytes.constData() + m->posicion, size_t(leidos));
        m->posicion += leidos;
        return uLong(leidos);
    };
    funciones.zwrite_file = [](voidpf, voidpf, const void *, uLong) -> uLong { return 0; };
    funciones.ztell64_file = [](voidpf, voidpf flujo) -> ZPOS64_T {
        return ZPOS64_T(static_cast<Memoria *>(flujo)->posicion);
    };
    funciones.zseek64_file = [](voidpf, voidpf flujo, ZPOS64_T desde, int origen) -> long {
        auto *m = static_cast<Memoria *>(flujo);
        const qint64 base = origen == ZLIB_FILEFUNC_SEEK_SET ? 0
            : origen == ZLIB_FILEFUNC_SEEK_CUR               ? m->posicion
                                                             : m->bytes.size();
        const qint64 nueva = base + qint64(desde);
        if (nueva < 0 || nueva > m->bytes.size())
            return -1;
        m->posicion = nueva;
        return 0;
    };
    funciones.zclose_file = [](voidpf, voidpf) -> int { return 0; };
    funciones.zerror_file = [](voidpf, voidpf) -> int { return 0; };
    funciones.opaque = &m_memoria;
    m_zip = unzOpen2_64("memoria", &funciones);
}

ArchivoZip::~ArchivoZip()
{
    if (m_zip)
        unzClose(m_zip);
}

bool ArchivoZip::tiene(const QString &nombre)
{
    return m_zip && unzLocateFile(m_zip, nombre.toUtf8().constData(), 2) == UNZ_OK;
}

ResultadoDe<QByteArray> ArchivoZip::leer(const QString &nombre, qint64 maximo)
{
    using R = ResultadoDe<QByteArray>;
    if (!tiene(nombre))
        return R::falla(QStringLiteral("falta «%1»").arg(nombre));
    if (unzOpenCurrentFile(m_zip) != UNZ_OK)
        return R::falla(QStringLiteral("no se pudo abrir «%1»").arg(nombre));
    QByteArray todo;
    char bloque[65536];
    for (;;) {
        const int n = unzReadCurrentFile(m_zip, bloque, sizeof bloque);
        if (n < 0) {
            unzCloseCurrentFile(m_zip);
            return R::falla(QStringLiteral("no se pudo leer «%1»").arg(nombre));
        }
        if (n == 0)
            break;
        if (todo.size() + n > maximo) {
            unzCloseCurrentFile(m_zip);
            return R::falla(QStringLiteral("«%1» es demasiado grande para ser una lista de atletas").arg(nombre));
        }
        todo.append(bloque, n);
    }
    if (unzCloseCurrentFile(m_zip) != UNZ_OK)  // the checksum of what was read
        return R::falla(QStringLiteral("«%1» no pasa su comprobación").arg(nombre));
    return R::exito(todo);
}

}  // namespace korva
