#include "update/Updateumgebung.h"

#include "shell/Konfiguration.h"
#include "shell/Programm.h"

Updateumgebung Updateumgebung::desProgramms(QSqlDatabase db, Dialoge& dialoge,
                                            Updatebegleitung& begleitung) {
    const Programm& p = Programm::instanz();
    return {std::move(db),    dialoge,
            begleitung,       Konfiguration(p.konfigurationsdatei).updatepfadLokal(),
            p.datenbankdatei, p.konfigurationsdatei,
            p.sprache};
}
