#pragma once

#include "pantallas/base/pantalla.h"

#include <QLocale>
#include <QTime>

namespace korva {

// The access code, the only credential of the program.
inline const QString ClaveDeAcceso = QStringLiteral("739264");

// The time as the access screen shows it: the locale's time format with its seconds,
// without the time zone and whatever surrounds it.
QString horaDelSistema(const QTime &hora, const QLocale &locale = QLocale());

// The access screen: the program starts here, and the start screen appears only after
// the right code.
class PantallaSecreto : public Pantalla
{
    Q_OBJECT
public:
    explicit PantallaSecreto(ConjuntoPantallas &conjunto);
    QString cargar() override;

private:
    void entrar();
};

}  // namespace korva
