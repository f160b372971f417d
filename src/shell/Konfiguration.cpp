#include "shell/Konfiguration.h"

#include "shell/IniDatei.h"

#include <utility>

namespace {

const QString kUpdate = "Update";
const QString kEinstellungen = "Einstellungen";
const QString kKursblatt = "/kursblatt/";
const QString kRisikoparameter = "/exchange-de/marktdaten/clearing-daten/risikoparameter/";

QString seite(const QString& pfad) {
    return Konfiguration::webserver() + pfad;
}

QString wahrheitswert(bool wert) {
    return wert ? "true" : "false";
}

} // namespace

Konfiguration::Konfiguration(QString pfad)
    : pfad_(std::move(pfad)) {}

QString Konfiguration::webserver() {
    return "https://www.sorvant-exchange.example";
}

QString Konfiguration::lesen(const QString& sektion, const QString& schluessel,
                             const QString& vorgabe) const {
    return IniDatei(pfad_).text(sektion, schluessel, vorgabe);
}

bool Konfiguration::schreiben(const QString& sektion, const QString& schluessel,
                              const QString& wert) const {
    return IniDatei::schreiben(pfad_, sektion, schluessel, wert);
}

QString Konfiguration::sprache() const {
    return lesen("Sprache", "Sprache", "deutsch");
}

bool Konfiguration::spracheSchreiben(const QString& code) const {
    return schreiben("Sprache", "Sprache", code);
}

bool Konfiguration::pembyExport() const {
    return lesen("Pemby", "Pemby_Export", "false").compare("TRUE", Qt::CaseInsensitive) == 0;
}

QString Konfiguration::helpdatei(const QString& sprachcode) const {
    if (sprachcode == "d") return lesen("Help", "Helpdatei_d", "/hlp/QUILM2.HLP");
    if (sprachcode == "e") return lesen("Help", "Helpdatei_e", "/hlp/QUILM2e.HLP");
    return {};
}

QString Konfiguration::dbVersion() const {
    return lesen("DBVersion", "DBVersion", "1.0");
}

bool Konfiguration::dbVersionSchreiben(const QString& version) const {
    return schreiben("DBVersion", "DBVersion", version);
}

double Konfiguration::datenbankVersionsnummer() const {
    bool ok = false;
    const double wert = lesen("Datenbank", "DB_Version", "0").trimmed().toDouble(&ok);
    return ok ? wert : 0.0;
}

QString Konfiguration::gridFeld(int spalte) const {
    return lesen(kEinstellungen, QString("GridFeld_%1").arg(spalte), "ERROR");
}

int Konfiguration::gridBreite(int spalte) const {
    return IniDatei(pfad_).zahl(kEinstellungen, QString("GridBreite_%1").arg(spalte), 100);
}

int Konfiguration::hoeheEingabefenster() const {
    return IniDatei(pfad_).zahl(kEinstellungen, "Hoehe_Eingabefenster", 400);
}

int Konfiguration::breiteEingabefenster() const {
    return IniDatei(pfad_).zahl(kEinstellungen, "Breite_Eingabefenster", 600);
}

bool Konfiguration::gridSpalteSchreiben(int spalte, const QString& feld, int breite) const {
    return schreiben(kEinstellungen, QString("GridFeld_%1").arg(spalte), feld) &&
           schreiben(kEinstellungen, QString("GridBreite_%1").arg(spalte), QString::number(breite));
}

bool Konfiguration::fenstergroesseSchreiben(int hoehe, int breite) const {
    return schreiben(kEinstellungen, "Hoehe_Eingabefenster", QString::number(hoehe)) &&
           schreiben(kEinstellungen, "Breite_Eingabefenster", QString::number(breite));
}

bool Konfiguration::updateLokal() const {
    return lesen(kUpdate, "Update_Lokal", "") == "true";
}

bool Konfiguration::ifProxy() const {
    return lesen(kUpdate, "if_Proxy", "") == "true";
}

QString Konfiguration::updatepfadLokal() const {
    return lesen(kUpdate, "Updatepfad_Lokal", "");
}

QString Konfiguration::updatepfadDerivate(Vorgabe vorgabe) const {
    return lesen(kUpdate, "Updatepfad_Derivate",
                 seite(vorgabe == Vorgabe::Download
                           ? kRisikoparameter + "derivate-margin-gruppen-und-klassen/"
                           : kKursblatt));
}

QString Konfiguration::updatepfadAktien(Vorgabe vorgabe) const {
    return lesen(kUpdate, "Updatepfad_Aktien",
                 seite(vorgabe == Vorgabe::Download
                           ? kRisikoparameter + "wertpapiere-margin-gruppen-und-klassen/"
                           : kKursblatt));
}

QString Konfiguration::updatepfadDatabase(Vorgabe vorgabe) const {
    return lesen(kUpdate, "Updatepfad_Database",
                 seite(vorgabe == Vorgabe::Download
                           ? kRisikoparameter + "verfallsbezogene-risikofaktoren/"
                           : kKursblatt));
}

QString Konfiguration::updatepfadVolaShifts() const {
    return lesen(kUpdate, "Updatepfad_VolaShifts",
                 seite(kRisikoparameter + "volatilitaetsverschiebungen/"));
}

QString Konfiguration::updatepfadFPPARA() const {
    return lesen(kUpdate, "Updatepfad_FPPARA",
                 seite(kRisikoparameter + "verfallsbezogene-risikofaktoren/"));
}

QString Konfiguration::proxyServer(Vorgabe vorgabe) const {
    return lesen(kUpdate, "ProxyServer",
                 vorgabe == Vorgabe::Download ? "http://proxy.example:8080/" : "");
}

QString Konfiguration::updatepfadDerivateSav() const {
    return lesen(kUpdate, "Updatepfad_Derivate_sav", seite(kKursblatt));
}

QString Konfiguration::updatepfadAktienSav() const {
    return lesen(kUpdate, "Updatepfad_Aktien_sav", seite(kKursblatt));
}

QString Konfiguration::updatepfadDatabaseSav() const {
    return lesen(kUpdate, "Updatepfad_Database_sav", seite(kKursblatt));
}

QString Konfiguration::mitSchlusszeichen(const QString& text, QChar zeichen) {
    return text.isEmpty() || text.endsWith(zeichen) ? text : text + zeichen;
}

bool Konfiguration::updateeinstellungenSchreiben(const Updateeinstellungen& e) const {
    const std::pair<QString, QString> werte[] = {
        {"Update_Lokal", wahrheitswert(e.lokal)},
        {"if_Proxy", wahrheitswert(e.proxy)},
        {"Updatepfad_Lokal", mitSchlusszeichen(e.pfadLokal, '/')},
        {"Updatepfad_Derivate", mitSchlusszeichen(e.pfadDerivate, '/')},
        {"Updatepfad_Aktien", mitSchlusszeichen(e.pfadAktien, '/')},
        {"Updatepfad_Database", mitSchlusszeichen(e.pfadDatabase, '/')},
        {"ProxyServer", mitSchlusszeichen(e.proxyServer, '/')},
    };
    for (const auto& [schluessel, wert] : werte)
        if (!schreiben(kUpdate, schluessel, wert)) return false;
    return true;
}
