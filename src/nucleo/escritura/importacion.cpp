#include "nucleo/escritura/importacion.h"

#include "nucleo/comun/archivos_del_sistema.h"
#include "nucleo/escritura/escritura_de_registros.h"
#include "nucleo/informe/comparacion.h"
#include "nucleo/registros/archivo_entero.h"
#include "nucleo/registros/mapa_campos.h"
#include "nucleo/registros/tipo_reg.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

namespace korva {

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
            static const QStringList titulos{QStringLiteral("nombre"),  QStringLiteral("nombres"),
                                             QStringLiteral("atleta"),  QStringLiteral("atletas"),
                                             QStringLiteral("jugador"), QStringLiteral("nombre y apellidos")};
            if (titulos.contains(claveDeNombre(c.value(0)).remove(QLatin1Char(':')))
                || claveDeNombre(c.value(1)) == QLatin1String("edad"))
                continue;
        }
        lista.push_back({c.value(0), c.value(1)});
    }
    return lista;
}

ResultadoDe<QString> leerArchivoDeLista(const QString &ruta)
{
    const ResultadoDe<QByteArray> bytes = leerArchivoAcotado(ruta, TamanoMaximoDeLista);
    if (!bytes)
        return ResultadoDe<QString>::falla(
            QStringLiteral("no se pudo leer «%1»: %2").arg(QDir::toNativeSeparators(ruta), bytes.razon()));
    return ResultadoDe<QString>::exito(textoDeLista(bytes.valor()));
}

PlanDeImportacion planDeImportacion(const QByteArray &archivo, const std::vector<AtletaImportado> &lista)
{
    PlanDeImportacion plan;
    std::vector<int> libres;
    QSet<QString> presentes;
    for (int n = 1; n <= RegistrosPorArchivo; ++n) {
        const QString nombre = registroEn(archivo, n).campo(Campo::Nombre);
        if (nombre.trimmed().isEmpty())
            libres.push_back(n);
        else
            presentes.insert(claveDeNombre(nombre));
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
    return plan;
}

ResultadoDe<PlanDeImportacion> planearImportacion(const QString &carpeta, const DefArchivo &archivo,
                                                  const std::vector<AtletaImportado> &lista)
{
    using R = ResultadoDe<PlanDeImportacion>;
    const QString ruta = QDir(carpeta).filePath(QString::fromLatin1(archivo.archivo));
    const ResultadoDe<QByteArray> leido = leerArchivoEntero(ruta);
    if (!leido)
        return R::falla(QStringLiteral("no se pudo leer «%1»: %2").arg(QDir::toNativeSeparators(ruta), leido.razon()));
    return R::exito(planDeImportacion(leido.valor(), lista));
}

ResultadoDe<int> importarAtletas(const QString &carpeta, const DefArchivo &archivo,
                                 const std::vector<AtletaImportado> &lista)
{
    using R = ResultadoDe<int>;
    EscrituraDeRegistros escritura(carpeta);
    if (!escritura.cerrojo())
        return R::falla(escritura.cerrojo());
    const ResultadoDe<QByteArray> leido = escritura.leer(archivo);
    if (!leido)
        return R::falla(QStringLiteral("%1; no se importó ninguno").arg(leido.razon()));
    const PlanDeImportacion plan = planDeImportacion(leido.valor(), lista);
    if (!plan.cabe())
        return R::falla(QStringLiteral("la lista tiene %1 atletas nuevos y en «%2» sólo quedan %3 registros libres; "
                                       "no se importó ninguno")
                            .arg(plan.aImportar)
                            .arg(QString::fromLatin1(archivo.archivo))
                            .arg(plan.libres));
    QByteArray bytes = leido.valor();
    const MapaCampos &mapa = archivo.esDeNivel() ? mapaNivel() : mapaFundamentos();
    int hechos = 0;
    for (const PlanDeImportacion::Fila &f : plan.filas) {
        if (f.registro == 0)
            continue;
        TipoReg r = registroEn(bytes, f.registro);
        // as the screen stores a record where only the name and the age were typed
        r.guardar(Campo::Nombre, f.atleta.nombre);
        r.guardar(Campo::Edad, f.atleta.edad);
        for (std::size_t i = 2; i < mapa.size(); ++i)
            r.guardar(mapa[i].campo, QString());
        ponerRegistroEn(bytes, f.registro, r);
        ++hechos;
    }
    if (hechos == 0)
        return R::exito(0);
    escritura.cambiar(archivo, bytes);
    if (const Resultado r = escritura.aplicar(); !r)
        return R::falla(r);
    return R::exito(hechos);
}

}  // namespace korva
