#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A field as it lies on disk after a store: the bytes, then blanks up to the width.
inline QByteArray relleno(const QByteArray &bytes, int ancho)
{
    return bytes + QByteArray(ancho - bytes.size(), ' ');
}

inline QByteArray ceros(int n)
{
    return QByteArray(n, '\0');
}

inline QByteArray leerArchivo(const QString &ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline bool escribirArchivo(const QString &ruta, const QByteArray &bytes)
{
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// ANA of the level screens, typed and saved from an empty slot.
inline QByteArray registroAna()
{
    return relleno("ANA", 30) + relleno("9", 10) + relleno("1.2", 10) + relleno("6.5", 10) + relleno("12", 10)
        + relleno("20", 10) + relleno("15", 10) + ceros(40);
}

// LUIS of the fundamentals screen, typed and saved from an empty slot.
inline QByteArray registroLuis()
{
    return relleno("LUIS", 30) + relleno("12", 10) + ceros(50) + relleno("7", 5) + relleno("6", 5) + relleno("8", 5)
        + relleno("5", 5) + relleno("9", 5) + relleno("4", 5) + relleno("3", 5) + relleno("10", 5);
}

// A record of 130 bytes that no screen would write: every byte set, none of them zero.
inline QByteArray registroAjeno(char semilla)
{
    QByteArray r(130, '\0');
    for (int i = 0; i < 130; ++i)
        r[i] = char(0x80 + (semilla + i) % 0x7f);
    return r;
}
