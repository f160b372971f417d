#include "Anwendung.h"
#include "shell/MeldungsDialoge.h"
#include "shell/Programmsymbol.h"
#include "shell/TMain.h"
#include "shell/TStart.h"

#include <QApplication>

int main(int argc, char** argv) {
    Anwendung anwendung(argc, argv);
    QApplication::setApplicationName("Quillmark 2 Version 12");
    QApplication::setWindowIcon(programmsymbol());

    TStart start;
    start.exec();

    MeldungsDialoge dialoge;
    TMain haupt(QApplication::applicationDirPath(), dialoge);
    dialoge.elternfensterSetzen(&haupt);
    haupt.showMaximized();
    return anwendung.exec();
}
