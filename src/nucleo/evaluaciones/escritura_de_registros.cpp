#include "nucleo/evaluaciones/escritura_de_registros.h"

#include "nucleo/comun/archivos_del_sistema.h"
#include "nucleo/evaluaciones/evaluaciones.h"
#include "nucleo/registros/mapa_campos.h"
#include "nucleo/registros/tipo_reg.h"
#include "nucleo/registros/una_copia.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

namespace korva {

namespace {

const MapaCampos &mapaDe(const DefArchivo &archivo)
{
    return archivo.esDeNivel() ? mapaNivel() : mapaFundamentos();
}

// The folder's one-copy lock for one action, or why the action must not run.
Resultado cerrojoTomado(const UnaCopia &cerrojo, const QString &carpeta)
{
    switch (cerrojo.estado()) {
    case UnaCopia::Estado::Unica:
        return Resultado::exito();
    case UnaCopia::Estado::OtraAbierta:
        return Resultado::falla(QStringLiteral("KORVA 4 está abierto en la carpeta «%1»: ciérrelo y vuelva a "
                                               "intentarlo; no se cambió nada")
                                    .arg(QDir::toNativeSeparators(carpeta)));
    case UnaCopia::Estado::SinCerrojo:
        break;
    }
    return Resultado::falla(QStringLiteral("no se pudo asegurar que KORVA 4 no esté abierto en «%1» (%2); no se "
                                           "cambió nada")
                                .arg(QDir::toNativeSeparators(carpeta), cerrojo.razon()));
}

bool nombreVacio(const TipoReg &r)
{
    return r.campo(Campo::Nombre).trimmed().isEmpty();
}

}  // namespace

QString claveDeNombre(const QString &nombre)
{
    return nombre.normalized(QString::NormalizationForm_C).trimmed().toCaseFolded();
}

ResultadoDe<QString> nuevaEvaluacion(const QString &carpeta, const QString &etiqueta)
{
    using R = ResultadoDe<QString>;
    const UnaCopia cerrojo(carpeta);
    if (const Resultado r = cerrojoTomado(cerrojo, carpeta); !r)
        return R::falla(r);
    const ResultadoDe<QString> guardada = guardarEvaluacion(carpeta, etiqueta);
    if (!guardada)
        return R::falla(QStringLiteral("no se pudo guardar la evaluación actual (%1); no se cambió nada")
                            .arg(guardada.razon()));
    for (const DefArchivo &d : DefArchivos) {
        const QString ruta = QDir(carpeta).filePath(QString::fromLatin1(d.archivo));
        if (!QFileInfo::exists(ruta))
            continue;
        const ResultadoDe<QByteArray> leido = leerArchivoEntero(ruta);
        if (!leido)
            return R::falla(QStringLiteral("«%1»: %2").arg(QDir::toNativeSeparators(ruta), leido.razon()));
        QByteArray bytes = leido.valor();
        const MapaCampos &mapa = mapaDe(d);
        for (int n = 0; n < RegistrosPorArchivo && qsizetype(n + 1) * LongitudRegistro <= bytes.size(); ++n) {
            TipoReg r = TipoReg::desdeBytes(bytes.mid(qsizetype(n) * LongitudRegistro, LongitudRegistro));
            if (nombreVacio(r))
                continue;
            for (std::size_t i = 2; i < mapa.size(); ++i)  // the tests; the name and age stay
                r.guardar(mapa[i].campo, QString());
            bytes.replace(qsizetype(n) * LongitudRegistro, LongitudRegistro, r.bytes());
        }
        if (bytes == leido.valor())
            continue;
        if (const Resultado r = escribirArchivoEntero(ruta, bytes); !r)
            return R::falla(QStringLiteral("«%1»: %2").arg(QDir::toNativeSeparators(ruta), r.razon()));
    }
    return guardada;
}

QString textoDeLista(const QByteArray &bytes)
{
    QByteArray sinMarca = bytes;
    if (sinMarca.startsWith("\xEF\xBB\xBF"))
        sinMarca.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texto = utf8.decode(sinMarca);
    if (!utf8.hasError())
        return texto;
    QStringDecoder windows("windows-1252", QStringDecoder::Flag::Stateless);
    return windows.decode(sinMarca);
}

std::vector<AtletaImportado> leerLista(const QString &texto)
{
    QStringList lineas = texto.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    QChar separador;
    for (const QChar s : {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(',')})
        if (texto.contains(s)) {
            separador = s;
            break;
        }
    const auto celdas = [&](const QString &linea) {
        QStringList c = separador.isNull() ? QStringList{linea} : linea.split(separador);
        for (QString &t : c) {
            t = t.trimmed();
            if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"')))
                t = t.mid(1, t.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
        }
        return c;
    };
    std::vector<AtletaImportado> lista;
    bool primera = true;
    for (const QString &linea : lineas) {
        const QStringList c = celdas(linea);
        if (c.value(0).isEmpty())
            continue;
        if (primera) {
            primera = false;
            static const QStringList titulos{QStringLiteral("nombre"), QStringLiteral("nombres"),
                                             QStringLiteral("atleta"), QStringLiteral("atletas"),
                                             QStringLiteral("jugador"), QStringLiteral("nombre y apellidos")};
            if (titulos.contains(claveDeNombre(c.value(0)).remove(QLatin1Char(':')))
                || claveDeNombre(c.value(1)) == QLatin1String("edad"))
                continue;
        }
        lista.push_back({c.value(0), c.value(1)});
    }
    return lista;
}

ResultadoDe<PlanDeImportacion> planearImportacion(const QString &carpeta, const DefArchivo &archivo,
                                                  const std::vector<AtletaImportado> &lista)
{
    using R = ResultadoDe<PlanDeImportacion>;
    const QString ruta = QDir(carpeta).filePath(QString::fromLatin1(archivo.archivo));
    const ResultadoDe<QByteArray> leido = leerArchivoEntero(ruta);
    if (!leido)
        return R::falla(QStringLiteral("no se pudo leer «%1»: %2").arg(QDir::toNativeSeparators(ruta), leido.razon()));
    PlanDeImportacion plan;
    std::vector<int> libres;
    QSet<QString> presentes;
    for (int n = 1; n <= RegistrosPorArchivo; ++n) {
        const TipoReg r = TipoReg::desdeBytes(leido.valor().mid(qsizetype(n - 1) * LongitudRegistro, LongitudRegistro));
        if (nombreVacio(r))
            libres.push_back(n);
        else
            presentes.insert(claveDeNombre(r.campo(Campo::Nombre)));
    }
    plan.libres = int(libres.size());
    std::size_t siguiente = 0;
    for (const AtletaImportado &a : lista) {
        PlanDeImportacion::Fila f;
        f.atleta = a;
        TipoReg r;
        r.guardar(Campo::Nombre, a.nombre);
        f.guardado = sinRelleno(r.campo(Campo::Nombre));
        f.cortado = f.guardado != a.nombre.normalized(QString::NormalizationForm_C).trimmed();
        f.yaEsta = presentes.contains(claveDeNombre(f.guardado));
        if (!f.yaEsta) {
            presentes.insert(claveDeNombre(f.guardado));
            ++plan.aImportar;
            if (siguiente < libres.size())
                f.registro = libres[siguiente++];
        }
        plan.filas.push_back(f);
    }
    return R::exito(plan);
}

ResultadoDe<int> importarAtletas(const QString &carpeta, const DefArchivo &archivo,
                                 const std::vector<AtletaImportado> &lista)
{
    using R = ResultadoDe<int>;
    const UnaCopia cerrojo(carpeta);
    if (const Resultado r = cerrojoTomado(cerrojo, carpeta); !r)
        return R::falla(r);
    const ResultadoDe<PlanDeImportacion> plan = planearImportacion(carpeta, archivo, lista);
    if (!plan)
        return R::falla(plan);
    if (!plan.valor().cabe())
        return R::falla(QStringLiteral("la lista tiene %1 atletas nuevos y en «%2» sólo quedan %3 registros libres; "
                                       "no se importó ninguno")
                            .arg(plan.valor().aImportar)
                            .arg(QString::fromLatin1(archivo.archivo))
                            .arg(plan.valor().libres));
    const QString ruta = QDir(carpeta).filePath(QString::fromLatin1(archivo.archivo));
    const ResultadoDe<QByteArray> leido = leerArchivoEntero(ruta);
    if (!leido)
        return R::falla(leido);
    QByteArray bytes = leido.valor();
    const MapaCampos &mapa = mapaDe(archivo);
    int hechos = 0;
    for (const PlanDeImportacion::Fila &f : plan.valor().filas) {
        if (f.registro == 0)
            continue;
        const qsizetype desde = qsizetype(f.registro - 1) * LongitudRegistro;
        if (bytes.size() < desde + LongitudRegistro)
            bytes.append(QByteArray(desde + LongitudRegistro - bytes.size(), '\0'));
        TipoReg r = TipoReg::desdeBytes(bytes.mid(desde, LongitudRegistro));
        // as the screen stores a record where only the name and the age were typed
        r.guardar(Campo::Nombre, f.atleta.nombre);
        r.guardar(Campo::Edad, f.atleta.edad);
        for (std::size_t i = 2; i < mapa.size(); ++i)
            r.guardar(mapa[i].campo, QString());
        bytes.replace(desde, LongitudRegistro, r.bytes());
        ++hechos;
    }
    if (hechos == 0)
        return R::exito(0);
    if (const Resultado r = escribirArchivoEntero(ruta, bytes); !r)
        return R::falla(QStringLiteral("«%1»: %2").arg(QDir::toNativeSeparators(ruta), r.razon()));
    return R::exito(hechos);
}

}  // namespace korva
