// The station grid: each result is what the athlete's screen shows after "Procesar Datos"
// with that value and the athlete's other stored values, for every test of every level and
// of the fundamentals, at the band edges, in the coach's locale and in C; and the keyboard
// does the work: values and Enters down a column, Esc, undo and redo, a pasted column.
#include "pantallas/evaluacion/controles.h"
#include "apoyo/programa_prueba.h"
#include "apoyo/registros_ayuda.h"
#include "equipo/estacion/rejilla_de_prueba.h"
#include "nucleo/registros/mapa_campos.h"

#include <QClipboard>
#include <QTableWidget>
#include <QUndoStack>

using namespace korva;
using P = ProgramaDePrueba;

namespace {

const IdPantalla Pantallas[] = {IdPantalla::NIVEL1, IdPantalla::NIVEL2, IdPantalla::NIVEL3, IdPantalla::nivel4,
                                IdPantalla::fundamento};

// An athlete with the other tests stored, so that every capacity can be scored.
QByteArray atletaCompleto(int pestana)
{
    TipoReg r;
    r.guardar(Campo::Nombre, QStringLiteral("Ana Peña"));
    r.guardar(Campo::Edad, QStringLiteral("10"));
    const QStringList nivel{"1.3", "8", "20", "21", "22"};
    const QStringList fundamentos{"12", "13", "7", "8", "6", "5", "9", "4"};
    const MapaCampos &mapa = pestana < 4 ? mapaNivel() : mapaFundamentos();
    for (std::size_t i = 2; i < mapa.size(); ++i)
        r.guardar(mapa[i], (pestana < 4 ? nivel : fundamentos)[int(i) - 2]);
    return r.bytes();
}

// The values tried in each test: the band edges of every level, a comma and a point.
QStringList valoresDe(const DefPrueba &p)
{
    if (p.campo == Campo::Resistencia)
        return {"1,1", "1.2", "1,25", "1.4", "2", "2.1", "2,11", "2.5", "3.01", "1,41", ""};
    if (p.campo == Campo::Velocidad)
        return {"5", "5,2", "6.0", "6,81", "7", "8.5", "9", "9,1", "10", "10.1", "12", ""};
    if (p.forma == FormaDeValor::Entero && p.maximo == 10)
        return {"0", "3", "5", "7", "10", ""};
    if (p.campo == Campo::CondInterna || p.campo == Campo::CondExterna)
        return {"10", "12", "13", "17", "18", "22", "23", ""};
    return {"9", "10", "14", "15", "16", "17", "20", "24", "25", "30", "32", "40", "50", ""};
}

// Keys as a coach types them: each to the widget that has the focus (the first one opens
// the cell's editor, the rest go to it).
void teclear(const QString &texto)
{
    QTest::keyClicks(QApplication::focusWidget(), texto.left(1));
    QTest::keyClicks(QApplication::focusWidget(), texto.mid(1));
}

}  // namespace

class PruebaRejilla : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void comoLasPantallas_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << "C";
        QTest::newRow("es_ES") << "es_ES";
    }
    void comoLasPantallas()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        P p;
        const QString carpeta = QFileInfo(p.ruta("nivel1.dat")).absolutePath();
        for (int i = 0; i < 5; ++i)
            QVERIFY(escribirArchivo(p.ruta(DefArchivos[std::size_t(i)].archivo), atletaCompleto(i)));
        p.iniciarHastaInicio();
        int comparados = 0;
        for (int i = 0; i < 5; ++i) {
            Pantalla *pantalla = p.mostrar(Pantallas[i]);
            const auto &pruebas = pruebasDe(DefArchivos[std::size_t(i)]);
            for (int k = 0; k < int(pruebas.size()); ++k) {
                const DefPrueba &prueba = pruebas[std::size_t(k)];
                const ResultadoDe<TomaDePrueba> toma = TomaDePrueba::abrir(carpeta, i, k);
                QVERIFY2(toma.ok(), qPrintable(toma.razon()));
                RejillaDePrueba rejilla(toma.valor());
                for (const QString &valor : valoresDe(prueba)) {
                    QVERIFY2(rejilla.tomar(0, valor), qPrintable(rejilla.mensaje()));
                    P::texto(pantalla, cajaDeCampo(prueba.campo))->setText(valor);
                    P::pulsar(pantalla, "Command3");
                    const QStringList r = P::resultados(pantalla);
                    const QString esperado = r[prueba.capacidad].isEmpty() && r[4 + prueba.capacidad].isEmpty()
                        ? QString()
                        : QStringLiteral("%1 %  ·  %2")
                              .arg(r[prueba.capacidad],
                                   r[4 + prueba.capacidad].isEmpty() ? QStringLiteral("—") : r[4 + prueba.capacidad]);
                    QVERIFY2(
                        rejilla.resultado(0) == esperado,
                        qPrintable(QStringLiteral("%1 «%2»: la rejilla da «%3», la pantalla «%4»")
                                       .arg(QString::fromUtf8(prueba.titulo), valor, rejilla.resultado(0), esperado)));
                    ++comparados;
                }
                // the screen back as stored, for the next test
                P::texto(pantalla, cajaDeCampo(prueba.campo))->setText(toma.valor().filas()[0].valor);
                rejilla.deshacer()->clear();
                toma.valor().quitarRecuperacion();
            }
        }
        QVERIFY(comparados > 150);
    }

    // 20 athletes in 20 values and 20 Enters, no mouse; Esc leaves a cell as it was; undo and
    // redo over the grid; a pasted column fills down; what is refused says the form and stays.
    void elTecladoHaceElTrabajo()
    {
        QTemporaryDir dir;
        QByteArray archivo;
        for (int n = 1; n <= 20; ++n) {
            TipoReg r;
            r.guardar(Campo::Nombre, QStringLiteral("Atleta %1").arg(n));
            archivo += r.bytes();
        }
        QVERIFY(escribirArchivo(dir.filePath("nivel2.dat"), archivo));
        RejillaDePrueba rejilla(TomaDePrueba::abrir(dir.path(), 1, 1).valor());
        rejilla.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rejilla));
        QTableWidget *t = rejilla.tabla();
        for (int n = 0; n < 20; ++n) {
            QCOMPARE(t->currentRow(), n);
            teclear(QStringLiteral("%1,5").arg(6 + n % 4));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        for (int n = 0; n < 20; ++n)
            QCOMPARE(rejilla.valor(n), QStringLiteral("%1,5").arg(6 + n % 4));
        QCOMPARE(t->currentRow(), 19);

        // Shift+Enter goes back; Esc leaves the cell as it was
        QTest::keyClick(t, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(t->currentRow(), 18);
        teclear(QStringLiteral("99"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(rejilla.valor(18), QStringLiteral("8,5"));

        // refused: stays on the row, says the form
        teclear(QStringLiteral("1:35"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(t->currentRow(), 18);
        QVERIFY2(rejilla.mensaje().contains("Segundos, con decimales"), qPrintable(rejilla.mensaje()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(rejilla.valor(18), QStringLiteral("8,5"));

        // undo and redo, across the grid
        QTest::keyClick(&rejilla, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rejilla.valor(19), QString());
        QTest::keyClick(&rejilla, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rejilla.valor(18), QString());
        QTest::keyClick(&rejilla, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(rejilla.valor(18), QStringLiteral("8,5"));

        // a pasted column fills down from the current row, as one step to undo
        t->setCurrentCell(2, 4);
        QApplication::clipboard()->setText(QStringLiteral("7,1\n7,2\n\n7,4\n"));
        QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE((QStringList{rejilla.valor(2), rejilla.valor(3), rejilla.valor(4), rejilla.valor(5)}),
                 (QStringList{"7,1", "7,2", "", "7,4"}));
        rejilla.deshacer()->undo();
        QCOMPARE(rejilla.valor(2), QStringLiteral("8,5"));

        // the values saved: that field of those records, all else as it was
        const ResultadoDe<int> r = rejilla.guardar();
        QVERIFY2(r.ok(), qPrintable(r.razon()));
        const QByteArray ahora = leerArchivo(dir.filePath("nivel2.dat"));
        for (int n = 0; n < 20; ++n) {
            QByteArray esperado = archivo.mid(n * 130, 130);
            if (!rejilla.valor(n).isEmpty())
                esperado.replace(50, 10, relleno(rejilla.valor(n).toLatin1(), 10));
            QCOMPARE(ahora.mid(n * 130, 130), esperado);
        }
        QVERIFY(!rejilla.hayCambios());
        QVERIFY(!QFileInfo::exists(TomaDePrueba::abrir(dir.path(), 1, 1).valor().rutaDeRecuperacion()));
    }
};

QTEST_MAIN(PruebaRejilla)
#include "prueba_rejilla.moc"
