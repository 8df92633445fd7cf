// A station grid as a real process, for the recovery test: with values, it opens the grid of
// the tab and test given, takes each value in turn as Enter does, says "TECLEADO" and waits
// to be killed; with --recuperar, it opens the same grid afresh and prints, one per line,
// "record<TAB>value" for each value it would offer back.
//     estacion_de_prueba FOLDER TAB TEST [--recuperar | VALUE...]
#include "equipo/estacion/rejilla_de_prueba.h"

#include <QApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    const auto toma = korva::TomaDePrueba::abrir(args[1], args[2].toInt(), args[3].toInt());
    if (!toma) {
        std::fprintf(stderr, "%s\n", toma.razon().toUtf8().constData());
        return 1;
    }
    if (args.value(4) == QLatin1String("--recuperar")) {
        for (const auto &[numero, valor] : toma.valor().leerRecuperacion())
            std::printf("%d\t%s\n", numero, valor.toUtf8().constData());
        return 0;
    }
    korva::RejillaDePrueba rejilla(toma.valor());
    rejilla.show();
    for (int i = 4; i < args.size(); ++i)
        if (!rejilla.tomar(i - 4, args[i]))
            return 1;
    std::printf("TECLEADO\n");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
