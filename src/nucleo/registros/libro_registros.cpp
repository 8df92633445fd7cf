#include "nucleo/registros/libro_registros.h"

namespace korva {

LibroRegistros::LibroRegistros(QString archivo, const MapaCampos &mapa, FormularioRegistros &forma)
    : m_archivo(std::move(archivo)), m_mapa(mapa), m_forma(forma)
{}

Resultado LibroRegistros::cargar()
{
    IndiceReg = 1;
    LongitudReg = LongitudRegistro;
    Resultado r;
    {
        ArchivoRegistros archivo(m_archivo);
        r = archivo.abrirParaLeer();
        if (r && !archivo.vacio()) {
            TablaRegistros leida;
            r = archivo.leerTodos(leida);
            if (r)
                m_tabla = leida;
        }
        if (r)
            m_leido = true;
    }
    Update_Form();
    return r;
}

Resultado LibroRegistros::guardarRegistro()
{
    const TipoReg antes = m_tabla[IndiceReg];
    const bool tocadoAntes = m_tocados[IndiceReg];
    Obtener_Datos();
    Resultado r = puedeEscribir();
    if (r) {
        ArchivoRegistros archivo(m_archivo);
        r = archivo.abrir();
        if (r)
            r = archivo.escribir(IndiceReg, m_tabla[IndiceReg]);
    }
    if (!r) {
        m_tabla[IndiceReg] = antes;  // the screen still shows what was typed
        m_tocados[IndiceReg] = tocadoAntes;
    }
    return r;
}

void LibroRegistros::paso(int direccion)
{
    const bool puede = direccion < 0 ? IndiceReg > 1 : IndiceReg < RegistrosPorArchivo;
    m_forma.enfocarNombre();
    m_forma.ponerNumeroRegistro(QString::number(puede ? IndiceReg + direccion : IndiceReg));
    m_forma.limpiarResultados();
    if (!puede)
        return;
    Obtener_Datos();
    IndiceReg = qint16(IndiceReg + direccion);
    Update_Form();
}

void LibroRegistros::registroAnterior()
{
    paso(-1);
}

void LibroRegistros::registroSiguiente()
{
    paso(+1);
}

Resultado LibroRegistros::puedeEscribir() const
{
    if (!m_bloqueo.isEmpty())
        return Resultado::falla(m_bloqueo);
    return m_permiso ? m_permiso() : Resultado::exito();
}

Resultado LibroRegistros::escribirTodos()
{
    Resultado r = puedeEscribir();
    if (!r)
        return r;
    ArchivoRegistros archivo(m_archivo);
    r = archivo.abrir();
    if (r && m_leido)
        return archivo.escribirTodos(m_tabla);
    for (int n = 1; r && n <= RegistrosPorArchivo; ++n)
        if (m_tocados[n])
            r = archivo.escribir(n, m_tabla[n]);
    return r;
}

void LibroRegistros::Update_Form()
{
    const TipoReg &reg = m_tabla[IndiceReg];
    for (const Campo campo : m_mapa)
        m_forma.ponerTextoCampo(campo, reg.campo(campo));
}

void LibroRegistros::Obtener_Datos()
{
    TipoReg &reg = m_tabla[IndiceReg];
    m_tocados.set(IndiceReg);
    for (const Campo campo : m_mapa)
        reg.guardar(campo, m_forma.textoCampo(campo));
}

bool LibroRegistros::pantallaCambiada() const
{
    const TipoReg &guardado = m_tabla[std::size_t(IndiceReg)];
    for (const Campo campo : m_mapa) {
        const QString caja = m_forma.textoCampo(campo);
        const QString antes = sinRelleno(guardado.campo(campo));
        if (caja == antes)
            continue;
        // what a store would make of the box (cut to its width, in the code page)
        TipoReg probado;
        probado.guardar(campo, caja);
        if (sinRelleno(probado.campo(campo)) != antes)
            return true;
    }
    return false;
}

}  // namespace korva
