#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("KORVA 4  ENTRENAMIENTO DEPORTIVO"));
    ventana.show();
    return app.exec();
}
