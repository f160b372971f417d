#pragma once

#include <QString>

// The configuration file margin.INI. Every accessor reads the file at the
// moment of use and every setter writes one key, keeping the rest of the file.
class Konfiguration {
public:
    // Which routine asks: the download and the update path window use
    // different defaults for some update keys.
    enum class Vorgabe { Download, Pfadfenster };

    explicit Konfiguration(QString pfad);

    QString sprache() const;
    bool spracheSchreiben(const QString& code) const;
    bool pembyExport() const;
    // Helpdatei_d for "d", Helpdatei_e for "e", empty for any other code.
    QString helpdatei(const QString& sprachcode) const;
    QString dbVersion() const;
    bool dbVersionSchreiben(const QString& version) const;
    double datenbankVersionsnummer() const;

    QString gridFeld(int spalte) const;
    int gridBreite(int spalte) const;
    int hoeheEingabefenster() const;
    int breiteEingabefenster() const;
    bool gridSpalteSchreiben(int spalte, const QString& feld, int breite) const;
    bool fenstergroesseSchreiben(int hoehe, int breite) const;

    bool updateLokal() const;
    bool ifProxy() const;
    QString updatepfadLokal() const;
    QString updatepfadDerivate(Vorgabe vorgabe) const;
    QString updatepfadAktien(Vorgabe vorgabe) const;
    QString updatepfadDatabase(Vorgabe vorgabe) const;
    QString updatepfadVolaShifts() const;
    QString updatepfadFPPARA() const;
    QString proxyServer(Vorgabe vorgabe) const;
    QString updatepfadDerivateSav() const;
    QString updatepfadAktienSav() const;
    QString updatepfadDatabaseSav() const;

    // The settings of the update path window; URLs get a trailing "/", the
    // local directory a trailing directory separator, when they lack one
    // (an empty value stays empty).
    struct Updateeinstellungen {
        bool lokal = false;
        bool proxy = false;
        QString pfadLokal;
        QString pfadDerivate;
        QString pfadAktien;
        QString pfadDatabase;
        QString proxyServer;
    };
    bool updateeinstellungenSchreiben(const Updateeinstellungen& e) const;

    static QString mitSchlusszeichen(const QString& text, QChar zeichen);

    // The exchange's public web server, prefix of every page default.
    static QString webserver();

private:
    QString lesen(const QString& sektion, const QString& schluessel, const QString& vorgabe) const;
    bool schreiben(const QString& sektion, const QString& schluessel, const QString& wert) const;

    QString pfad_;
};
