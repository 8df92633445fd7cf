#pragma once

#include <QString>

#include <utility>

namespace korva {

// Nothing to carry: the outcome of an operation that only succeeds or fails.
struct Nada {};

// The outcome of an operation that can fail on the system's side (a file, the printer,
// the desktop). A success may carry a value; a failure carries the system's own reason,
// for the message to the user. Dropping one unread is a compile warning.
template <typename T> class [[nodiscard]] ResultadoDe
{
public:
    ResultadoDe() = default;

    static ResultadoDe exito(T valor = T{})
    {
        ResultadoDe r;
        r.m_valor = std::move(valor);
        return r;
    }
    static ResultadoDe falla(QString razon)
    {
        ResultadoDe r;
        r.m_ok = false;
        r.m_razon = std::move(razon);
        return r;
    }
    // A failure of another kind of result, its reason kept.
    template <typename U> static ResultadoDe falla(const ResultadoDe<U> &otra) { return falla(otra.razon()); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString &razon() const { return m_razon; }
    const T &valor() const { return m_valor; }

private:
    bool m_ok = true;
    QString m_razon;
    T m_valor{};
};

using Resultado = ResultadoDe<Nada>;

}  // namespace korva
