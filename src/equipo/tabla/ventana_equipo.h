#pragma once

#include "nucleo/comun/resultado.h"
#include "nucleo/informe/comparacion.h"
#include "nucleo/informe/equipo.h"
#include "nucleo/informe/tabla_equipo.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QMenu;
class QPrinter;
class QTabWidget;
class QTableView;

namespace korva {

class MenuDeHojas;
class MenuDeRecientes;
class PaginaEquipo;

// The team report's window: the menus, one tab per record file of the folder (each a
// PaginaEquipo, built and read when first looked at) and the status line. It reads the
// record files freely; it changes them only in its writing actions ("Nueva evaluación", the
// imports, the station's values), each through the core's one writer.
class VentanaEquipo : public QMainWindow
{
    Q_OBJECT
public:
    explicit VentanaEquipo(const QString &carpeta, QWidget *padre = nullptr);

    // Another team's folder in the window: read, remembered among the recent ones, named in
    // the title; it opens on the first tab that has athletes.
    void abrirCarpeta(const QString &carpeta);
    QString carpeta() const;

    // Reads the files again (the evaluation program may have saved since): the open tab's at
    // once, each other tab's when it is first looked at.
    void leer();

    int pestanaAbierta() const;
    void abrirPestana(int i);
    const Equipo &equipo(int pestana);
    QTableView *tabla(int pestana);
    QString aviso(int pestana);

    // What the buttons do once a file or a printer has been chosen.
    Resultado exportarLibro(const QString &ruta, bool todas);
    Resultado exportarCsv(const QString &ruta);
    int imprimirEn(QPrinter &impresora);
    // The open tab's athletes in the order the table shows them.
    Equipo equipoEnOrden(int pestana);
    // The open tab's table (with the comparison's columns) in the order on screen.
    TablaEquipo tablaEnOrden(int pestana);
    // Every tab compared with a saved evaluation, by its name; none for an empty name.
    void compararCon(const QString &evaluacion);
    const Comparacion *comparacion(int pestana);
    // The sheets of the open tab, one page each, in the order on screen: how many printed.
    int imprimirHojasEn(QPrinter &impresora);
    // One PDF per athlete of the open tab into the folder.
    Resultado guardarHojas(const QString &carpeta);

private:
    struct Pestana {
        PaginaEquipo *pagina = nullptr;
        bool leida = false;
    };

    // The tab's page, its file read into it unless it has been since the last leer().
    PaginaEquipo &pagina(int i);
    void preguntarLibro(bool todas);
    void preguntarCsv();
    void avisarDeExportacion(const ResultadoDe<QString> &r);
    void vistaPrevia();
    void imprimir();
    QString nombreDeImpresion() const;
    void preguntarCarpeta();
    void preguntarComparacion();
    // "Guardar evaluación…", or "Nueva evaluación…"
    void preguntarEvaluacion(bool nueva);
    void preguntarImportacion(bool todoElEquipo);
    void tomarPrueba();
    void construirMenus();
    void ajustarAPantalla();
    void decir(const QString &texto);
    QString nombrePropuesto(const QString &extension, bool todas) const;

    QString m_carpeta;
    QTabWidget *m_pestanasWidget = nullptr;
    QLabel *m_carpetaEtiqueta = nullptr;
    MenuDeRecientes *m_recientes = nullptr;
    MenuDeHojas *m_hojas = nullptr;
    QString m_comparadaCon;
    bool m_anteriores = false;
    std::array<Pestana, DefArchivos.size()> m_pestanas{};
};

}  // namespace korva
