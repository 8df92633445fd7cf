#include "equipo/comun/dialogo_de_archivos.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace korva {

namespace {

void enEspanol(QFileDialog &d, const QString &aceptar)
{
    d.setLabelText(QFileDialog::LookIn, QStringLiteral("Buscar en:"));
    d.setLabelText(QFileDialog::FileName,
                   d.fileMode() == QFileDialog::Directory || d.testOption(QFileDialog::ShowDirsOnly)
                       ? QStringLiteral("Carpeta:")
                       : QStringLiteral("Nombre:"));
    d.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    d.setLabelText(QFileDialog::Accept, aceptar);
    d.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
}

}  // namespace

QString DialogoDeArchivos::abrir(QWidget *padre, const QString &titulo, const QString &carpeta, const QString &filtro)
{
    QFileDialog d(padre, titulo, carpeta, filtro);
    d.setFileMode(QFileDialog::ExistingFile);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    enEspanol(d, QStringLiteral("Abrir"));
    return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
}

QString DialogoDeArchivos::guardar(QWidget *padre, const QString &titulo, const QString &propuesto,
                                   const QString &filtro)
{
    QFileDialog d(padre, titulo, propuesto, filtro);
    d.setFileMode(QFileDialog::AnyFile);
    d.setAcceptMode(QFileDialog::AcceptSave);
    enEspanol(d, QStringLiteral("Guardar"));
    return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
}

ResultadoDe<QString> DialogoDeArchivos::exportar(QWidget *padre, const QString &titulo, const QString &propuesto,
                                                 const QString &filtro,
                                                 const std::function<Resultado(const QString &)> &escribir)
{
    const QString ruta = guardar(padre, titulo, propuesto, filtro);
    if (ruta.isEmpty())
        return ResultadoDe<QString>::exito();
    if (const Resultado r = escribir(ruta); !r)
        return ResultadoDe<QString>::falla(QStringLiteral("No se pudo guardar «%1».\nMotivo: %2\n\nLos registros no "
                                                          "cambiaron; puede intentarlo en otra carpeta.")
                                               .arg(QDir::toNativeSeparators(ruta), r.razon()));
    return ResultadoDe<QString>::exito(ruta);
}

QString DialogoDeArchivos::carpeta(QWidget *padre, const QString &titulo, const QString &carpeta)
{
    // Any name, so that a new folder can be typed; it is made once chosen.
    QFileDialog d(padre, titulo, carpeta);
    d.setFileMode(QFileDialog::AnyFile);
    d.setOption(QFileDialog::ShowDirsOnly);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    enEspanol(d, QStringLiteral("Elegir"));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return QString();
    const QString elegida = d.selectedFiles().front();
    if (!QDir().mkpath(elegida)) {
        QMessageBox::warning(
            padre, QStringLiteral("KORVA 4"),
            QStringLiteral("No se pudo crear la carpeta «%1».").arg(QDir::toNativeSeparators(elegida)));
        return QString();
    }
    return elegida;
}

QString DialogoDeArchivos::carpetaExistente(QWidget *padre, const QString &titulo, const QString &carpeta)
{
    QFileDialog d(padre, titulo, carpeta);
    d.setFileMode(QFileDialog::Directory);
    d.setOption(QFileDialog::ShowDirsOnly);
    enEspanol(d, QStringLiteral("Abrir"));
    return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
}

}  // namespace korva
