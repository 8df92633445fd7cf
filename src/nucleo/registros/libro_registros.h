#pragma once

#include "nucleo/registros/archivo_registros.h"
#include "nucleo/registros/mapa_campos.h"

#include <bitset>
#include <functional>

namespace korva {

// What the record book needs of an evaluation screen; the screen's widgets stay its own.
class FormularioRegistros
{
public:
    virtual ~FormularioRegistros() = default;
    virtual QString textoCampo(Campo campo) const = 0;  // the text of the field's box
    virtual void ponerTextoCampo(Campo campo, const QString &texto) = 0;
    virtual void ponerNumeroRegistro(const QString &texto) = 0;  // the record number shown
    virtual void limpiarResultados() = 0;                        // the eight results
    virtual void enfocarNombre() = 0;                            // the name's box
};

// The records of one evaluation screen: its own table of 30 slots, the record on screen
// and the file they come from. The file is open only inside one operation. A failed
// operation leaves the table as it was and says why.
class LibroRegistros
{
public:
    LibroRegistros(QString archivo, const MapaCampos &mapa, FormularioRegistros &forma);

    const QString &archivo() const { return m_archivo; }
    const TablaRegistros &TablaReg() const { return m_tabla; }

    qint16 IndiceReg = 1;
    qint16 LongitudReg = LongitudRegistro;

    // The load of the screen: the file into the table (an empty file reads nothing),
    // then record 1 on screen.
    Resultado cargar();
    // "Guardar Registro": the screen into slot IndiceReg, then that one record to the file.
    Resultado guardarRegistro();
    // "Registro Anterior" and "Registro Siguiente": no file is touched.
    void registroAnterior();
    void registroSiguiente();
    // "Salir": slots 1 to 30 as they stand in the table, without taking the screen first.
    // While the file has never been read, only the slots the screen stored into are
    // written: the records the file may hold were never seen and are left as they are.
    Resultado escribirTodos();
    bool leido() const { return m_leido; }
    // Whether the boxes hold values that differ from record IndiceReg as stored (what
    // "Guardar Registro" would change): typed and not stored.
    bool pantallaCambiada() const;
    // From now on the file is never written: saves and "Salir" fail with this reason.
    void bloquearEscritura(const QString &razon) { m_bloqueo = razon; }
    // Asked before every write: a failure stops the write and is its reason.
    void vigilarEscritura(std::function<Resultado()> permiso) { m_permiso = std::move(permiso); }

    void Update_Form();
    void Obtener_Datos();

private:
    void paso(int direccion);
    Resultado puedeEscribir() const;

    QString m_archivo;
    const MapaCampos &m_mapa;
    FormularioRegistros &m_forma;
    TablaRegistros m_tabla;
    bool m_leido = false;  // the table holds the file's records
    QString m_bloqueo;     // why the file must not be written, when it must not
    std::function<Resultado()> m_permiso;
    std::bitset<RegistrosPorArchivo + 1> m_tocados;  // slots the screen stored into
};

}  // namespace korva
