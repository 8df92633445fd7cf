#pragma once

// A stand-in for the desktop that records what the program asks of it: the tests, the
// screenshot tool and the benchmark all run the program with it.

#include "pantallas/base/escritorio.h"

#include <QFile>
#include <QImage>
#include <QStringList>

class EscritorioFalso : public korva::Escritorio
{
public:
    int terminaciones = 0;
    QStringList mensajes;
    QList<QImage> impresas;
    QStringList documentos;      // paths handed to the editor
    QStringList contenidos;      // what each path held when it was handed over
    QString fallaImpresion;      // when set, printing fails with this reason
    bool impresoraReal = false;  // print through the real default printer instead
    QString fallaDocumento;
    QStringList preguntas;               // every question asked
    QList<korva::Respuesta> respuestas;  // the answers given, in turn; "No" once they run out

    korva::Respuesta preguntar(QWidget *, const QString &texto) override
    {
        preguntas << texto;
        return respuestas.isEmpty() ? korva::Respuesta::No : respuestas.takeFirst();
    }

    void terminar() override { ++terminaciones; }
    void mensaje(QWidget *, const QString &texto) override { mensajes << texto; }
    // What would be printed, rasterised at the sheet's own size.
    korva::Resultado imprimir(const korva::Hoja &hoja) override
    {
        if (!fallaImpresion.isEmpty())
            return korva::Resultado::falla(fallaImpresion);
        impresas << hoja.imagen();
        if (impresoraReal)
            return korva::EscritorioReal().imprimir(hoja);
        return korva::Resultado::exito();
    }
    korva::Resultado abrirDocumento(const QString &ruta) override
    {
        if (!fallaDocumento.isEmpty())
            return korva::Resultado::falla(fallaDocumento);
        documentos << ruta;
        QFile f(ruta);
        contenidos << (f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString());
        return korva::Resultado::exito();
    }
};
