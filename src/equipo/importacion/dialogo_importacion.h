#pragma once

#include "nucleo/escritura/importacion.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;

namespace korva {

// What an import will do, before anything is written: each athlete of the list with the name
// as it will be stored, the age, the tab and the record it takes (and its record in the
// fundamentals), and a note (already there, shortened, in another tab already, no level for
// this age), and which sheets of a book were read. The coach can leave a row out, give a row
// its level, choose one sheet of a book instead of every sheet with names, and, for the whole squad, whether everyone also goes into the fundamentals.
// It offers "Importar" only when every new name fits its tab.
class DialogoImportacion : public QDialog
{
    Q_OBJECT
public:
    // The list of the roster into one tab (0 to 4), or the whole squad (-1); releer reads
    // the same file's other sheet.
    using Releer = std::function<ResultadoDe<ListaDeAtletas>(const QString &hoja)>;
    DialogoImportacion(const QString &carpeta, int pestana, const ListaDeAtletas &lista, Releer releer,
                       QWidget *padre = nullptr);

    const std::vector<AtletaImportado> &atletas() const { return m_lista.atletas; }
    const DestinoDeImportacion &destino() const { return m_destino; }
    const PlanDeImportacion &plan() const { return m_plan; }

    // The whole import: the folder's lock first, then where the names come from (pasted, or
    // a file: .xlsx, .ods, CSV or text), this preview, and the import. Carries how many
    // records were filled (0: the coach cancelled).
    static ResultadoDe<int> importar(const QString &carpeta, int pestana, QWidget *padre);

private:
    void llenarTabla();
    void replanear();
    void cambiarHoja(const QString &hoja);
    void permitirImportar(bool si);

    std::array<QByteArray, DefArchivos.size()> m_archivos;  // the five files, read once
    QString m_razonDeLectura;                               // why they could not be
    ListaDeAtletas m_lista;
    Releer m_releer;
    DestinoDeImportacion m_destino;
    PlanDeImportacion m_plan;
    QComboBox *m_hoja = nullptr;
    QCheckBox *m_fundamentos = nullptr;
    QTableWidget *m_tabla = nullptr;
    QLabel *m_resumen = nullptr;
    QLabel *m_fuera = nullptr;
    QDialogButtonBox *m_botones = nullptr;
};

}  // namespace korva
