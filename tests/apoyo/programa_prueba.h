#pragma once

// Starts the program in-process, in a scratch directory of its own, with a stand-in for
// the desktop that records what the program asks of it.

#include "pantallas/evaluacion/pantalla_evaluacion.h"
#include "programa/programa.h"
#include "apoyo/escritorio_falso.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// One run of the program in a fresh directory; the directory goes away with it.
class ProgramaDePrueba
{
public:
    ProgramaDePrueba() : m_anterior(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
        m_programa = std::make_unique<korva::Programa>(escritorio);
    }
    ~ProgramaDePrueba()
    {
        m_programa.reset();
        QDir::setCurrent(m_anterior);
    }

    // The program as main() starts it: the access screen.
    korva::Pantalla *iniciar()
    {
        m_programa->iniciar();
        return existente(korva::IdPantalla::SECRETO);
    }

    // The program as a coach meets it, up to the start screen.
    korva::Pantalla *iniciarHastaInicio()
    {
        m_programa->iniciar();
        if (auto *secreto = existente(korva::IdPantalla::SECRETO)) {
            texto(secreto, "Text1")->setText(QStringLiteral("739264"));
            pulsar(secreto, "Command1");
        }
        return existente(korva::IdPantalla::INICIO);
    }

    korva::ConjuntoPantallas &pantallas() { return m_programa->pantallas(); }
    korva::Pantalla *existente(korva::IdPantalla id) { return pantallas().existente(id); }
    korva::Pantalla *mostrar(korva::IdPantalla id) { return pantallas().mostrar(id); }
    QString ruta(const QString &archivo) const { return m_dir.filePath(archivo); }

    static QAbstractButton *boton(QWidget *w, const char *nombre)
    {
        auto *b = w->findChild<QAbstractButton *>(QString::fromLatin1(nombre));
        if (!b)
            qFatal("no hay botón %s", nombre);
        return b;
    }
    static void pulsar(QWidget *w, const char *nombre) { boton(w, nombre)->click(); }
    static QLineEdit *texto(QWidget *w, const char *nombre)
    {
        auto *t = w->findChild<QLineEdit *>(QString::fromLatin1(nombre));
        if (!t)
            qFatal("no hay caja %s", nombre);
        return t;
    }
    static QLabel *etiqueta(QWidget *w, const char *nombre)
    {
        auto *e = w->findChild<QLabel *>(QString::fromLatin1(nombre));
        if (!e)
            qFatal("no hay etiqueta %s", nombre);
        return e;
    }
    static QStringList resultados(QWidget *w)
    {
        QStringList r;
        for (const char *n : {"Label11", "Label12", "Label13", "Label19", "Label23", "Label24", "Label25", "Label26"})
            r << etiqueta(w, n)->text();
        return r;
    }
    // How many top-level windows carry this name right now.
    static int ventanas(const QString &nombre)
    {
        int n = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == nombre && w->isVisible())
                ++n;
        return n;
    }

    // The keyboard order from the named control on, n controls long.
    static QStringList cadenaDeFoco(QWidget *pantalla, const QString &primero, int n)
    {
        QStringList orden;
        QWidget *w = pantalla->findChild<QWidget *>(primero);
        for (int i = 0; i < n && w; ++i) {
            orden << w->objectName();
            do {
                w = w->nextInFocusChain();
            } while (w && w != pantalla && !(w->focusPolicy() & Qt::TabFocus));
        }
        return orden;
    }

    EscritorioFalso escritorio;

private:
    QTemporaryDir m_dir;
    QString m_anterior;
    std::unique_ptr<korva::Programa> m_programa;
};
