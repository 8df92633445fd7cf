#pragma once

#include "nucleo/escritura/importacion.h"

#include <QDialog>

namespace korva {

// What an import will do, before anything is written: each name of the list with its age,
// the record it takes and a note (already there, does not fit, stored shortened). It offers
// "Importar" only when every new name fits.
class DialogoImportacion : public QDialog
{
    Q_OBJECT
public:
    DialogoImportacion(const DefArchivo &archivo, const PlanDeImportacion &plan, QWidget *padre = nullptr);

    // The whole import into a tab: where the names come from (pasted, or a file), then this
    // preview, then the import. Carries how many were imported (0: the coach cancelled).
    static ResultadoDe<int> importar(const QString &carpeta, const DefArchivo &archivo, QWidget *padre);
};

}  // namespace korva
