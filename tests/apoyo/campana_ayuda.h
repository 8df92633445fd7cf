#pragma once

// What the campaign of bad inputs generates: record files of any length and content, and
// texts of every kind for the boxes. The team report's tests read the same files.

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

inline QByteArray archivoAlAzar(QRandomGenerator &azar)
{
    const int largo = azar.bounded(0, 38 * 130 + 7);
    QByteArray b(largo, '\0');
    const int modo = azar.bounded(4);
    for (int i = 0; i < largo; ++i) {
        switch (modo) {
        case 0:
            b[i] = char(azar.bounded(256));
            break;  // anything
        case 1:
            b[i] = azar.bounded(3) ? '\0' : char(azar.bounded(256));
            break;  // NULs everywhere
        case 2:
            b[i] = char(0x80 + azar.bounded(0x20));
            break;  // 0x80 to 0x9F
        default:
            b[i] = "0123456789 .,-ABCabc\xf1\xe1\x80"[azar.bounded(23)];
            break;  // text-like
        }
    }
    return b;
}

inline QString textoAlAzar(QRandomGenerator &azar)
{
    static const QStringList fijos{
        "32767",
        "-32768",
        "32768",
        "-32769",
        "32767.5",
        "10922",
        "10923",
        "21845.5",
        "1e5",
        "-0",
        " 7 ",
        "1,5",
        "1.5",
        "2.105",
        "9.05",
        "0",
        "",
        "   ",
        "abc",
        "NaN",
        "inf",
        "-inf",
        "+3",
        "0x10",
        "1e-400",
        "1e400",
        QString::fromUtf8("\U0001F600"),
        QString::fromUtf8("١٢٣"),
        QString::fromUtf8("שלום 12"),
        QString::fromUtf8("٣٫٥"),
        QString(QChar(0x202E)) + "12",
        QStringLiteral("\t\n\r5"),
        QString(300, '9'),
        QString::fromUtf8("12\u00a0"),
        QStringLiteral("1 000"),
        QStringLiteral("١"),
    };
    switch (azar.bounded(4)) {
    case 0:
        return fijos[azar.bounded(fijos.size())];
    case 1:
        return QString::number(azar.bounded(-40000, 40000));
    case 2:
        return QString::number(azar.generateDouble() * 20.0 - 5.0, 'f', azar.bounded(4));
    default: {
        QString s;
        const int n = azar.bounded(0, 40);
        for (int i = 0; i < n; ++i)
            s += QChar(ushort(azar.bounded(1, 0xD7FF)));
        return s;
    }
    }
}
