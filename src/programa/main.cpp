#include "programa/programa.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KORVA 4"));
    korva::EscritorioReal escritorio;
    return korva::ejecutarPrograma(escritorio);
}
