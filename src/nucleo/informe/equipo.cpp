#include "nucleo/informe/equipo.h"

#include "nucleo/calificacion/calificar_registro.h"
#include "nucleo/calificacion/conversiones.h"
#include "nucleo/registros/archivo_registros.h"
#include "nucleo/registros/mapa_campos.h"

#include <QDir>

namespace korva {

bool tieneResultados(const Atleta &atleta)
{
    for (int i = 0; i < TipoResultados::Cantidad; ++i)
        if (!atleta.resultados[i].trimmed().isEmpty())
            return true;
    return false;
}

Atleta atletaCalificado(const DefArchivo &archivo, int numero, const QStringList &textos)
{
    Atleta a;
    a.numero = numero;
    for (int i = 0; i < textos.size(); ++i) {
        a.datos << sinRelleno(textos[i]);
        a.valores.push_back(i == 0 ? std::nullopt : comoNumero(a.datos.last()));
    }
    a.resultados = calificarRegistro(archivo, textos);
    for (std::size_t k = 0; k < a.porcentajes.size(); ++k)
        a.porcentajes[k] = comoNumero(a.resultados[int(k)]);
    return a;
}

Equipo leerEquipo(const QString &carpeta, const DefArchivo &archivo)
{
    Equipo e;
    e.archivo = archivo;
    e.ruta = QDir(carpeta).filePath(QString::fromLatin1(archivo.archivo));
    ArchivoRegistros f(e.ruta);
    if (!f.existe())
        return e;
    TablaRegistros tabla;
    Resultado r = f.abrirSoloLectura();
    if (r)
        r = f.leerTodos(tabla);
    if (!r) {
        e.estado = Equipo::Estado::Ilegible;
        e.razon = r.razon();
        return e;
    }
    e.estado = Equipo::Estado::Leido;
    const MapaCampos &mapa = camposDe(archivo);
    for (int n = 1; n <= RegistrosPorArchivo; ++n) {
        const TipoReg &reg = tabla[std::size_t(n)];
        if (reg.campo(Campo::Nombre).trimmed().isEmpty())
            continue;
        QStringList tal;  // the texts as the screen's boxes show them
        for (const Campo campo : mapa)
            tal << reg.campo(campo);
        e.atletas.push_back(atletaCalificado(archivo, n, tal));
    }
    return e;
}

std::optional<double> comoNumero(const QString &texto)
{
    return Convertir_Decimal(texto);
}

Resultado equiposLeidos(const std::vector<const Equipo *> &equipos)
{
    for (const Equipo *e : equipos)
        if (e->estado == Equipo::Estado::Ilegible)
            return Resultado::falla(
                QStringLiteral("no se pudo leer el archivo «%1»: %2").arg(QDir::toNativeSeparators(e->ruta), e->razon));
    return Resultado::exito();
}

}  // namespace korva
