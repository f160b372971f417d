#include "shell/IniDatei.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
// Values are kept as UTF-8 bytes; no wide-character conversion is needed.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

struct IniDatei::Inhalt {
    CSimpleIniA ini{true, false, false};
};

namespace {

// Label and configuration files made on Windows are Latin-1; everything
// else is taken as UTF-8.
std::string alsUtf8(const QByteArray& roh) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(roh);
    if (utf8.hasError()) text = QString::fromLatin1(roh);
    return text.toStdString();
}

bool laden(CSimpleIniA& ini, const QString& pfad) {
    QFile datei(pfad);
    if (pfad.isEmpty() || !datei.open(QIODevice::ReadOnly)) return false;
    const std::string daten = alsUtf8(datei.readAll());
    return ini.LoadData(daten) >= 0;
}

} // namespace

IniDatei::IniDatei(const QString& pfad)
    : inhalt_(std::make_unique<Inhalt>()) {
    laden(inhalt_->ini, pfad);
}

IniDatei::~IniDatei() = default;
IniDatei::IniDatei(IniDatei&&) noexcept = default;
IniDatei& IniDatei::operator=(IniDatei&&) noexcept = default;

QString IniDatei::text(const QString& sektion, const QString& schluessel,
                       const QString& vorgabe) const {
    const char* wert = inhalt_->ini.GetValue(sektion.toStdString().c_str(),
                                             schluessel.toStdString().c_str(), nullptr);
    return wert ? QString::fromUtf8(wert) : vorgabe;
}

int IniDatei::zahl(const QString& sektion, const QString& schluessel, int vorgabe) const {
    bool ok = false;
    const int wert = text(sektion, schluessel).trimmed().toInt(&ok);
    return ok ? wert : vorgabe;
}

bool IniDatei::vorhanden(const QString& sektion, const QString& schluessel) const {
    return inhalt_->ini.GetValue(sektion.toStdString().c_str(), schluessel.toStdString().c_str(),
                                 nullptr) != nullptr;
}

bool IniDatei::schreiben(const QString& pfad, const QString& sektion, const QString& schluessel,
                         const QString& wert) {
    CSimpleIniA ini(true, false, false);
    laden(ini, pfad);
    if (ini.SetValue(sektion.toStdString().c_str(), schluessel.toStdString().c_str(),
                     wert.toStdString().c_str()) < 0)
        return false;
    std::string daten;
    if (ini.Save(daten) < 0) return false;
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) return false;
    datei.write(daten.data(), static_cast<qint64>(daten.size()));
    return datei.commit();
}
