#pragma once

#include "nucleo/comun/resultado.h"

#include <QString>

#include <functional>

class QWidget;

namespace korva {

// The desktop's file dialogs, wholly in Spanish (Qt's own dialog leaves some of its labels in
// English where its translation lacks them): a file to open, a file to save, a folder to
// write into (an existing one, or a new one the coach types, which is made).
class DialogoDeArchivos
{
public:
    static QString abrir(QWidget *padre, const QString &titulo, const QString &carpeta, const QString &filtro);
    static QString guardar(QWidget *padre, const QString &titulo, const QString &propuesto, const QString &filtro);
    // An export: the file asked, then written; carries its path (empty when cancelled), or
    // the message of the failure, with the path and its reason.
    static ResultadoDe<QString> exportar(QWidget *padre, const QString &titulo, const QString &propuesto,
                                         const QString &filtro,
                                         const std::function<Resultado(const QString &)> &escribir);
    // Empty when cancelled; a folder that could not be made is said, and nothing is returned.
    static QString carpeta(QWidget *padre, const QString &titulo, const QString &carpeta);
    // An existing folder.
    static QString carpetaExistente(QWidget *padre, const QString &titulo, const QString &carpeta);
};

}  // namespace korva
