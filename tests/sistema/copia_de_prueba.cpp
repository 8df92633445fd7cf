// The program's own run with a desktop that writes to standard output instead of showing
// message boxes, for tests that start real processes. With --escribir FILE MS it is instead
// a writer that saves record 1 of the file over and over, for that long, as "Guardar
// Registro" does, alternating two athletes.
#include "nucleo/registros/archivo_registros.h"
#include "programa/programa.h"

#include <QElapsedTimer>

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

class EscritorioDeConsola : public korva::EscritorioReal
{
public:
    void mensaje(QWidget *, const QString &texto) override
    {
        std::printf("MENSAJE: %s\n", texto.toUtf8().constData());
        std::fflush(stdout);
    }
};

}  // namespace

int escribirSinParar(const QString &archivo, int ms)
{
    korva::TipoReg uno, otro;
    for (korva::Campo c : {korva::Campo::Nombre, korva::Campo::Edad, korva::Campo::Resistencia, korva::Campo::Velocidad,
                           korva::Campo::Lagartijas, korva::Campo::Abdominales, korva::Campo::Sentadillas}) {
        uno.guardar(c, c == korva::Campo::Nombre ? QString(30, QLatin1Char('A')) : QStringLiteral("1111111111"));
        otro.guardar(c, c == korva::Campo::Nombre ? QString(30, QLatin1Char('B')) : QStringLiteral("2222222222"));
    }
    QElapsedTimer reloj;
    reloj.start();
    for (int i = 0; reloj.elapsed() < ms; ++i) {
        korva::ArchivoRegistros f(archivo);
        if (!f.abrir() || !f.escribir(1, i % 2 ? uno : otro))
            return 1;
    }
    return 0;
}

int main(int argc, char *argv[])
{
    if (argc == 4 && qstrcmp(argv[1], "--escribir") == 0)
        return escribirSinParar(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    QApplication app(argc, argv);
    EscritorioDeConsola escritorio;
    QTimer::singleShot(0, [] {
        std::printf("INICIADO\n");
        std::fflush(stdout);
    });
    return korva::ejecutarPrograma(escritorio);
}
