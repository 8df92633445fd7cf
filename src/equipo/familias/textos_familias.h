#pragma once

#include "nucleo/calificacion/grado.h"

#include <QHash>
#include <QStringList>

#include <optional>

namespace korva {

// The words of the family reports: what each grade means, the overall result, the advice
// for the weakest capacity, how a result changed, the footer. Written once, in Spanish, in
// a plain text file the program carries ("clave = texto" a line); a copy the coach edits in
// the records folder ("textos_familias.txt") says what it says, and the rest comes from the
// program's own.
class TextosFamilias
{
public:
    static inline const QString NombreDelArchivo = QStringLiteral("textos_familias.txt");
    // The most characters one text keeps, its fields filled in included: a paragraph of a
    // page, not a book.
    static constexpr int MaximoPorTexto = 2000;

    // The program's own texts, then the folder's copy over them; what could not be read of
    // the copy is said in the warnings.
    static TextosFamilias cargar(const QString &carpeta, QStringList *avisos = nullptr);
    // The program's own file, as it ships.
    static QByteArray original();

    QString texto(const QString &clave) const { return m_textos.value(clave); }
    QString nivel(std::optional<Grado> grado) const;
    QString general(std::optional<Grado> grado) const;
    // Two or three lines of advice for a capacity: "resistencia", "velocidad", "fuerza",
    // "conduccion", "recepcion" or "tiro".
    QStringList consejos(const QString &capacidad) const;

private:
    void leer(const QString &texto);
    QHash<QString, QString> m_textos;
};

}  // namespace korva
