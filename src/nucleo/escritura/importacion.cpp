#include "nucleo/escritura/importacion.h"

#include "nucleo/escritura/escritura_de_registros.h"
#include "nucleo/informe/comparacion.h"
#include "nucleo/registros/archivo_entero.h"
#include "nucleo/registros/mapa_campos.h"
#include "nucleo/registros/tipo_reg.h"

#include <QDir>
#include <QSet>

#include <algorithm>

namespace korva {

namespace {

QString titulo(int archivo)
{
    return QString::fromUtf8(DefArchivos[std::size_t(archivo)].titulo);
}

// The record files a row goes to: its own (given, or by its age), and the fundamentals.
std::vector<int> archivosDe(const PlanDeImportacion::Fila &f, int i, const DestinoDeImportacion &d)
{
    if (d.archivo >= 0)
        return {d.archivo};
    std::vector<int> p;
    const auto dada = d.asignadas.find(i);
    const int nivel = dada != d.asignadas.end() ? dada->second : f.nivelPorEdad;
    if (nivel >= 0 && nivel != ArchivoFundamentos)
        p.push_back(nivel);
    if (d.conFundamentos || nivel == ArchivoFundamentos)
        p.push_back(ArchivoFundamentos);
    return p;
}

}  // namespace

QString PlanDeImportacion::Fila::nota() const
{
    QStringList notas;
    if (quitada)
        return QStringLiteral("se deja fuera");
    if (sinNivel)
        notas << (atleta.edad.isEmpty()
                      ? QStringLiteral("sin edad: elija su nivel o se deja fuera")
                      : QStringLiteral("ningún nivel es de %1 años: elija uno o se deja fuera").arg(atleta.edad));
    if (fueraDeEdad)
        notas << QStringLiteral("%1 años no es la edad de esta pestaña").arg(atleta.edad);
    for (const Lugar &l : lugares) {
        if (l.yaEsta)
            notas << QStringLiteral("ya está en %1: no se importa ahí").arg(titulo(l.archivo));
        else if (l.registro == 0)
            notas << QStringLiteral("no cabe en %1").arg(titulo(l.archivo));
    }
    if (!enOtras.isEmpty())
        notas << QStringLiteral("ya está también en %1").arg(enOtras.join(QStringLiteral(", ")));
    if (cortado)
        notas << QStringLiteral("se guardará como «%1»").arg(guardado);
    return notas.join(QStringLiteral("; "));
}

bool PlanDeImportacion::cabe() const
{
    for (std::size_t i = 0; i < libres.size(); ++i)
        if (aImportar[i] > libres[i])
            return false;
    return true;
}

int PlanDeImportacion::nuevos() const
{
    int n = 0;
    for (int a : aImportar)
        n += a;
    return n;
}

QStringList PlanDeImportacion::queNoCabe() const
{
    QStringList no;
    for (std::size_t i = 0; i < libres.size(); ++i)
        if (aImportar[i] > libres[i])
            no << QStringLiteral("en %1 hay %2 atletas nuevos y sólo %3 registros libres")
                      .arg(titulo(int(i)), QString::number(aImportar[i]), QString::number(libres[i]));
    return no;
}

PlanDeImportacion planDeImportacion(const std::array<QByteArray, DefArchivos.size()> &archivos,
                                    const std::vector<AtletaImportado> &lista, const DestinoDeImportacion &destino)
{
    PlanDeImportacion plan;
    std::array<std::vector<int>, DefArchivos.size()> libres;
    std::array<QSet<QString>, DefArchivos.size()> presentes;
    for (std::size_t p = 0; p < DefArchivos.size(); ++p) {
        for (int n = 1; n <= RegistrosPorArchivo; ++n) {
            const QString nombre = registroEn(archivos[p], n).campo(Campo::Nombre);
            if (nombre.trimmed().isEmpty())
                libres[p].push_back(n);
            else
                presentes[p].insert(claveDeNombre(nombre));
        }
        plan.libres[p] = int(libres[p].size());
    }
    std::array<std::size_t, DefArchivos.size()> siguiente{};
    for (int i = 0; i < int(lista.size()); ++i) {
        PlanDeImportacion::Fila f;
        f.atleta = lista[std::size_t(i)];
        TipoReg r;
        r.guardar(Campo::Nombre, f.atleta.nombre);
        f.guardado = sinRelleno(r.campo(Campo::Nombre));
        f.cortado = f.guardado != f.atleta.nombre.normalized(QString::NormalizationForm_C).trimmed();
        const QString clave = claveDeNombre(f.guardado);
        if (const auto edad = edadDeTexto(f.atleta.edad))
            f.nivelPorEdad = archivoPorEdad(*edad);
        if (destino.archivo >= 0 && DefArchivos[std::size_t(destino.archivo)].esDeNivel()) {
            const auto edad = edadDeTexto(f.atleta.edad);
            f.fueraDeEdad = edad && !DefArchivos[std::size_t(destino.archivo)].esDeSuEdad(*edad);
        }
        f.quitada = std::find(destino.quitadas.begin(), destino.quitadas.end(), i) != destino.quitadas.end();
        const std::vector<int> destinos = archivosDe(f, i, destino);
        f.sinNivel = destino.archivo < 0 && std::none_of(destinos.begin(), destinos.end(), [](int p) {
                         return DefArchivos[std::size_t(p)].esDeNivel();
                     });
        for (std::size_t p = 0; p < DefArchivos.size(); ++p)
            if (presentes[p].contains(clave) && std::find(destinos.begin(), destinos.end(), int(p)) == destinos.end()
                && DefArchivos[p].esDeNivel())
                f.enOtras << titulo(int(p));
        // a row without a level is left out whole, the fundamentals too: the coach gives it one
        if (!f.quitada && !f.sinNivel)
            for (int p : destinos) {
                PlanDeImportacion::Lugar l;
                l.archivo = p;
                l.yaEsta = presentes[std::size_t(p)].contains(clave);
                if (!l.yaEsta) {
                    presentes[std::size_t(p)].insert(clave);
                    ++plan.aImportar[std::size_t(p)];
                    if (siguiente[std::size_t(p)] < libres[std::size_t(p)].size())
                        l.registro = libres[std::size_t(p)][siguiente[std::size_t(p)]++];
                }
                f.lugares.push_back(l);
            }
        plan.filas.push_back(f);
    }
    return plan;
}

ResultadoDe<std::array<QByteArray, DefArchivos.size()>> leerLosCincoArchivos(const QString &carpeta)
{
    using R = ResultadoDe<std::array<QByteArray, DefArchivos.size()>>;
    std::array<QByteArray, DefArchivos.size()> archivos;
    for (std::size_t p = 0; p < DefArchivos.size(); ++p) {
        const QString ruta = QDir(carpeta).filePath(QString::fromLatin1(DefArchivos[p].archivo));
        const ResultadoDe<QByteArray> leido = leerArchivoEntero(ruta);
        if (!leido)
            return R::falla(
                QStringLiteral("no se pudo leer «%1»: %2").arg(QDir::toNativeSeparators(ruta), leido.razon()));
        archivos[p] = leido.valor();
    }
    return R::exito(archivos);
}

ResultadoDe<PlanDeImportacion> planearImportacion(const QString &carpeta, const std::vector<AtletaImportado> &lista,
                                                  const DestinoDeImportacion &destino)
{
    const auto archivos = leerLosCincoArchivos(carpeta);
    if (!archivos)
        return ResultadoDe<PlanDeImportacion>::falla(archivos);
    return ResultadoDe<PlanDeImportacion>::exito(planDeImportacion(archivos.valor(), lista, destino));
}

ResultadoDe<int> importarAtletas(const QString &carpeta, const std::vector<AtletaImportado> &lista,
                                 const DestinoDeImportacion &destino)
{
    using R = ResultadoDe<int>;
    EscrituraDeRegistros escritura(carpeta);
    if (!escritura.cerrojo())
        return R::falla(escritura.cerrojo());
    std::array<QByteArray, DefArchivos.size()> archivos;
    for (std::size_t p = 0; p < DefArchivos.size(); ++p) {
        const ResultadoDe<QByteArray> leido = escritura.leer(DefArchivos[p]);
        if (!leido)
            return R::falla(QStringLiteral("%1; no se importó ninguno").arg(leido.razon()));
        archivos[p] = leido.valor();
    }
    const PlanDeImportacion plan = planDeImportacion(archivos, lista, destino);
    if (!plan.cabe())
        return R::falla(QStringLiteral("%1; no se importó ninguno").arg(plan.queNoCabe().join(QStringLiteral("; "))));
    int hechos = 0;
    for (const PlanDeImportacion::Fila &f : plan.filas)
        for (const PlanDeImportacion::Lugar &l : f.lugares) {
            if (l.registro == 0)
                continue;
            QByteArray &bytes = archivos[std::size_t(l.archivo)];
            const MapaCampos &mapa = camposDe(DefArchivos[std::size_t(l.archivo)]);
            TipoReg r = registroEn(bytes, l.registro);
            // as the screen stores a record where only the name and the age were typed
            r.guardar(Campo::Nombre, f.atleta.nombre);
            r.guardar(Campo::Edad, f.atleta.edad);
            for (std::size_t i = 2; i < mapa.size(); ++i)
                r.guardar(mapa[i], QString());
            ponerRegistroEn(bytes, l.registro, r);
            ++hechos;
        }
    if (hechos == 0)
        return R::exito(0);
    for (std::size_t p = 0; p < DefArchivos.size(); ++p)
        escritura.cambiar(DefArchivos[p], archivos[p]);
    if (const Resultado r = escritura.aplicar(); !r)
        return R::falla(r);
    return R::exito(hechos);
}

ResultadoDe<int> importarAtletas(const QString &carpeta, const DefArchivo &archivo,
                                 const std::vector<AtletaImportado> &lista)
{
    DestinoDeImportacion destino;
    for (std::size_t p = 0; p < DefArchivos.size(); ++p)
        if (QLatin1String(DefArchivos[p].archivo) == QLatin1String(archivo.archivo))
            destino.archivo = int(p);
    return importarAtletas(carpeta, lista, destino);
}

Resultado carpetaLibre(const QString &carpeta, int esperar)
{
    const UnaCopia cerrojo(QDir(carpeta).absolutePath(), esperar);
    return cerrojoDeLaAccion(cerrojo, QDir(carpeta).absolutePath());
}

}  // namespace korva
