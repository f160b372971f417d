#include "Befehle.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication anwendung(argc, argv);
    CLI::App app{"quillmark-cli: margin requirements and reference data without a window"};
    app.require_subcommand(1);
    int exitcode = 0;
    initDbEinrichten(app, exitcode);
    kalenderEinrichten(app, exitcode);
    updateEinrichten(app, exitcode);
    preisEinrichten(app, exitcode);
    marginEinrichten(app, exitcode);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    return exitcode;
}
