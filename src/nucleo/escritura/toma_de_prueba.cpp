#include "nucleo/escritura/toma_de_prueba.h"

#include "nucleo/calificacion/calificar_registro.h"
#include "nucleo/calificacion/conversiones.h"
#include "nucleo/comun/archivos_del_sistema.h"
#include "nucleo/escritura/escritura_de_registros.h"
#include "nucleo/evaluaciones/evaluaciones.h"
#include "nucleo/informe/comparacion.h"
#include "nucleo/informe/equipo.h"
#include "nucleo/registros/archivo_entero.h"
#include "nucleo/registros/mapa_campos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace korva {

namespace {

// The place of the test's text among a record's texts (name, age, the tests).
int lugarEnTextos(const DefArchivo &archivo, Campo campo)
{
    const MapaCampos &mapa = camposDe(archivo);
    for (std::size_t i = 0; i < mapa.size(); ++i)
        if (mapa[i] == campo)
            return int(i);
    return -1;
}

bool esCabecera(const QStringList &fila, const DefPrueba &prueba)
{
    static const QStringList nombres{
        "nombre", "nombres", "atleta", "jugador", "jugadora", "alumno", "alumna", "nombre y apellidos", "deportista"};
    static const QStringList valores{"valor", "tiempo", "marca", "resultado", "segundos", "minutos", "repeticiones"};
    const QString n = fila.value(0).trimmed().toCaseFolded(), v = fila.value(1).trimmed().toCaseFolded();
    return nombres.contains(n) || valores.contains(v) || v == QString::fromUtf8(prueba.titulo).toCaseFolded();
}

const QString CabeceraDeRecuperacion = QStringLiteral("KORVA 4: valores escritos y no guardados");

}  // namespace

LecturaDeValor valorParaGuardar(const DefPrueba &prueba, const QString &texto)
{
    const QString limpio = sinFormato(texto);
    const auto falla = [&](const QString &por) {
        LecturaDeValor l;
        l.valida = false;
        l.razon = QStringLiteral("«%1» %2").arg(limpio.left(40), por);
        return l;
    };
    const int ancho = defCampo(prueba.campo).ancho;
    if (limpio.size() > ancho)
        return falla(QStringLiteral("tiene %1 caracteres y el registro guarda %2 en esta prueba")
                         .arg(QString::number(limpio.size()), QString::number(ancho)));
    // what the record would hold must read back as the very text that is checked
    if (deWindows1252(aWindows1252(limpio)) != limpio)
        return falla(QStringLiteral("tiene caracteres que el registro no puede guardar (escriba las cifras 0 a 9)"));
    LecturaDeValor l = leerValor(prueba, limpio);
    l.texto = limpio;
    return l;
}

ResultadoDe<TomaDePrueba> TomaDePrueba::abrir(const QString &carpeta, int archivo, int prueba)
{
    using R = ResultadoDe<TomaDePrueba>;
    TomaDePrueba t;
    t.m_carpeta = QDir(carpeta).absolutePath();
    t.m_indice = archivo;
    t.m_prueba = prueba;
    const Equipo ahora = leerEquipo(t.m_carpeta, t.archivo());
    if (ahora.estado == Equipo::Estado::Ilegible)
        return R::falla(
            QStringLiteral("no se pudo leer «%1»: %2").arg(QDir::toNativeSeparators(ahora.ruta), ahora.razon));
    const int lugar = lugarEnTextos(t.archivo(), t.prueba().campo);
    std::optional<Comparacion> comparacion;
    if (const QStringList guardadas = evaluacionesGuardadas(t.m_carpeta); !guardadas.isEmpty()) {
        comparacion = compararConGuardada(t.m_carpeta, guardadas.front(), ahora);
        if (comparacionLeida(*comparacion))
            t.m_evaluacionAntes = guardadas.front();
        else
            comparacion.reset();  // what cannot be read is no "Antes"
    }
    for (std::size_t i = 0; i < ahora.atletas.size(); ++i) {
        const Atleta &a = ahora.atletas[i];
        Fila f;
        f.numero = a.numero;
        f.nombre = a.datos.value(0);
        f.edad = a.datos.value(1);
        f.textos = a.datos;
        f.valor = a.datos.value(lugar);
        if (comparacion && comparacion->cambios[i].estado == Comparacion::Estado::Comparado) {
            const Atleta &entonces = comparacion->antes.atletas[std::size_t(comparacion->cambios[i].antes)];
            f.antes = entonces.datos.value(lugar);
            const int orden = ordenDeGrado(entonces.resultados.grado[std::size_t(t.prueba().capacidad)]);
            if (orden < int(Grados.size()))
                f.gradoAntes = Grados[std::size_t(orden)];
        }
        t.m_filas.push_back(f);
    }
    return R::exito(t);
}

QString TomaDePrueba::Resultado::enTexto() const
{
    if (porcentaje.isEmpty() && grado.isEmpty())
        return QString();
    return QStringLiteral("%1 %  ·  %2").arg(porcentaje, grado.isEmpty() ? QStringLiteral("—") : grado);
}

TomaDePrueba::Resultado TomaDePrueba::resultadoCon(std::size_t fila, const QString &valor) const
{
    QStringList textos = m_filas[fila].textos;
    textos[lugarEnTextos(archivo(), prueba().campo)] = valor;
    const TipoResultados r = calificarRegistro(archivo(), textos);
    return {r[prueba().capacidad], r[4 + prueba().capacidad]};
}

QStringList TomaDePrueba::avisos(std::size_t fila, double valor) const
{
    QStringList avisos = avisosDeValor(prueba(), archivo(), valor);
    const Fila &f = m_filas[fila];
    if (f.gradoAntes) {
        const QString grado = resultadoCon(fila, QString::number(valor, 'g', 15)).grado;
        const int ahora = ordenDeGrado(grado), antes = int(*f.gradoAntes);
        if (ahora < int(Grados.size()) && std::abs(ahora - antes) >= 2)
            avisos << QStringLiteral("%1 grados de diferencia con la evaluación anterior (%2 entonces, %3 ahora)")
                          .arg(QString::number(std::abs(ahora - antes)), textoGrado(*f.gradoAntes), grado);
    }
    return avisos;
}

ResultadoDe<int> TomaDePrueba::guardar(const std::map<int, QString> &valores) const
{
    using R = ResultadoDe<int>;
    EscrituraDeRegistros escritura(m_carpeta);
    if (!escritura.cerrojo())
        return R::falla(escritura.cerrojo());
    const ResultadoDe<QByteArray> leido = escritura.leer(archivo());
    if (!leido)
        return R::falla(QStringLiteral("%1; no se guardó ningún valor").arg(leido.razon()));
    QByteArray bytes = leido.valor();
    int cambiados = 0;
    for (const auto &[numero, valor] : valores) {
        const auto fila =
            std::find_if(m_filas.begin(), m_filas.end(), [n = numero](const Fila &f) { return f.numero == n; });
        const LecturaDeValor lectura = valorParaGuardar(prueba(), valor);
        if (!lectura.valida)
            return R::falla(QStringLiteral("registro %1: %2; no se guardó ningún valor")
                                .arg(QString::number(numero), lectura.razon));
        TipoReg r = registroEn(bytes, numero);
        // the athlete the coach saw in that record, still there
        if (fila == m_filas.end() || claveDeNombre(sinRelleno(r.campo(Campo::Nombre))) != claveDeNombre(fila->nombre))
            return R::falla(
                QStringLiteral("el registro %1 de «%2» ya no es de %3 (alguien lo cambió mientras tanto); no "
                               "se guardó ningún valor")
                    .arg(QString::number(numero), QString::fromLatin1(archivo().archivo),
                         fila == m_filas.end() ? QString() : fila->nombre));
        const QByteArray antes = r.bytes();
        r.guardar(prueba().campo, lectura.texto);
        if (r.bytes() == antes)
            continue;
        ponerRegistroEn(bytes, numero, r);
        ++cambiados;
    }
    if (cambiados == 0)
        return R::exito(0);
    escritura.cambiar(archivo(), bytes);
    if (const ::korva::Resultado r = escritura.aplicar(); !r)
        return R::falla(r);
    return R::exito(cambiados);
}

QString TomaDePrueba::rutaDeRecuperacion() const
{
    const QString archivoBase = QFileInfo(QString::fromLatin1(archivo().archivo)).completeBaseName();
    return QDir(m_carpeta).filePath(QStringLiteral(".valores-sin-guardar-%1-%2.txt")
                                        .arg(archivoBase, QString::fromLatin1(defCampo(prueba().campo).nombre)));
}

::korva::Resultado TomaDePrueba::guardarRecuperacion(const std::map<int, QString> &valores) const
{
    if (valores.empty()) {
        quitarRecuperacion();
        return ::korva::Resultado::exito();
    }
    QString texto = CabeceraDeRecuperacion + QLatin1Char('\n');
    for (const auto &[numero, valor] : valores) {
        const auto fila =
            std::find_if(m_filas.begin(), m_filas.end(), [n = numero](const Fila &f) { return f.numero == n; });
        texto += QStringLiteral("%1\t%2\t%3\n")
                     .arg(QString::number(numero), QString(valor).remove(QLatin1Char('\t')).remove(QLatin1Char('\n')),
                          fila == m_filas.end() ? QString() : fila->nombre);
    }
    return escribirArchivoEntero(rutaDeRecuperacion(), texto.toUtf8());
}

std::map<int, QString> TomaDePrueba::leerRecuperacion(QDateTime *cuando) const
{
    std::map<int, QString> valores;
    const ResultadoDe<QByteArray> bytes = leerArchivoAcotado(rutaDeRecuperacion(), 256 * 1024);
    if (!bytes)
        return valores;
    const QStringList lineas = QString::fromUtf8(bytes.valor()).split(QLatin1Char('\n'));
    if (lineas.value(0) != CabeceraDeRecuperacion)
        return valores;
    for (const QString &l : lineas.mid(1)) {
        const QStringList partes = l.split(QLatin1Char('\t'));
        bool ok = false;
        const int numero = partes.value(0).toInt(&ok);
        const auto fila =
            std::find_if(m_filas.begin(), m_filas.end(), [numero](const Fila &f) { return f.numero == numero; });
        // only for the athlete who is still in that record, and only a value that passes the
        // rule a typed one passes (the file may have been changed by hand)
        if (ok && partes.size() >= 3 && fila != m_filas.end()
            && claveDeNombre(fila->nombre) == claveDeNombre(partes[2]))
            if (const LecturaDeValor l = valorParaGuardar(prueba(), partes[1]); l.valida)
                valores[numero] = l.texto;
    }
    if (cuando)
        *cuando = QFileInfo(rutaDeRecuperacion()).lastModified();
    return valores;
}

void TomaDePrueba::quitarRecuperacion() const
{
    QFile::remove(rutaDeRecuperacion());
}

ResultadoDe<std::map<int, QString>> TomaDePrueba::valoresDeFilas(const std::vector<QStringList> &filas,
                                                                 QStringList *avisos) const
{
    using R = ResultadoDe<std::map<int, QString>>;
    QHash<QString, std::vector<std::size_t>> porNombre;
    for (std::size_t i = 0; i < m_filas.size(); ++i)
        porNombre[claveDeNombre(m_filas[i].nombre)].push_back(i);
    std::map<int, QString> valores;
    std::map<int, int> filaDeCadaUno;
    QStringList razones;
    bool primera = true;
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const QStringList &f = filas[i];
        if (f.isEmpty() || (f.value(0).trimmed().isEmpty() && f.value(1).trimmed().isEmpty()))
            continue;
        if (primera && esCabecera(f, prueba())) {
            primera = false;
            continue;
        }
        primera = false;
        const QString nombre = f.value(0).trimmed();
        const QString donde = QStringLiteral("fila %1, «%2»").arg(QString::number(i + 1), nombre);
        const std::vector<std::size_t> quienes = porNombre.value(claveDeNombre(nombre));
        if (quienes.empty()) {
            razones << QStringLiteral("%1: no hay ningún atleta con ese nombre en %2")
                           .arg(donde, QString::fromUtf8(archivo().titulo));
            continue;
        }
        if (quienes.size() > 1) {
            QStringList numeros;
            for (std::size_t q : quienes)
                numeros << QString::number(m_filas[q].numero);
            razones << QStringLiteral("%1: dos atletas tienen ese nombre (registros %2): escriba su valor en la "
                                      "pantalla de cada uno")
                           .arg(donde, numeros.join(QStringLiteral(" y ")));
            continue;
        }
        const LecturaDeValor lectura = valorParaGuardar(prueba(), f.value(1));
        if (!lectura.valida) {
            razones << QStringLiteral("%1: %2").arg(donde, lectura.razon);
            continue;
        }
        const int numero = m_filas[quienes.front()].numero;
        if (filaDeCadaUno.count(numero)) {
            razones << QStringLiteral("%1: ya tiene un valor en la fila %2")
                           .arg(donde, QString::number(filaDeCadaUno[numero]));
            continue;
        }
        filaDeCadaUno[numero] = int(i) + 1;
        valores[numero] = lectura.texto;
        if (avisos && lectura.numero)
            for (const QString &a : this->avisos(quienes.front(), *lectura.numero))
                *avisos << QStringLiteral("%1: %2").arg(donde, a);
    }
    if (razones.size() > 50) {
        const qsizetype mas = razones.size() - 50;
        razones.erase(razones.begin() + 50, razones.end());
        razones << QStringLiteral("y %1 filas más con faltas").arg(QString::number(mas));
    }
    if (!razones.isEmpty())
        return R::falla(razones.join(QLatin1Char('\n')));
    return R::exito(valores);
}

}  // namespace korva
