#pragma once

#include <QString>

namespace korva {

// The outcome of an operation that can fail on the system's side (a file, the printer,
// the desktop). A failure carries the system's own reason, for the message to the user.
struct Resultado {
    bool ok = true;
    QString razon;

    static Resultado exito() { return {}; }
    static Resultado falla(const QString &razon) { return {false, razon}; }
    explicit operator bool() const { return ok; }
};

}  // namespace korva
