#pragma once

#include "pricing/Optionsdaten.h"
#include "pricing/Preiskontext.h"

// The pricing services of the position input and the margin calculation: they choose the
// option model by the product's code OPM, take the rate of the position's maturity and the
// days to the dividend, and convert the models' results. Texts of codes are compared without
// surrounding blanks and ignoring case. A floating-point failure of a model travels on as
// Rechenfehler.

// Whole days from the calculation date to a date text in the local order; 0 for an empty entry
// mask, a text that is no date, and a date in the past.
int TageBisDatum(const QString& text, Datum Berechnungsdatum, const Datumstext::Stil& stil);
int TageBisDatum(const QString& text, const Preiskontext& kontext);

// The rate in percent for the maturity of the context's row: 0 for power products (LZB "V…"),
// the products JLU and HMAV and type "Z" (priced without discounting); else the rate column of
// the maturity index, 0 (and an index beyond the 17 columns) becoming 0.01.
double ZinssatzJeLaufzeit(const QString& Art, const Preiskontext& kontext);

// The implied volatility in percent of a traded option price. 25 with `fehlgeschlagen` set when
// the model finds none (a result of 0 or less; for Black-Scholes also exactly its starting 50 or
// above 200) or OPM names no model; error 56 is reported once, except for an unknown model.
double ImpliziteVola(Optionsart art, const QString& DividendenTage, const QString& OPM,
                     bool interaktiv, bool& fehlgeschlagen, const Preiskontext& kontext,
                     const QString& Art, double Dividende, double Tage, double Optionspreis,
                     double Basis, double Kurs);

// The option price per unit of the underlying, at least the minimum price (the product's tick
// size); the minimum price for an unknown model and for inputs the model refuses. The dividend
// is taken as due one day earlier than the days to its date.
double Optionspreis(Optionsart art, int dividendenTage, const QString& OPM, const QString& Art,
                    const Preiskontext& kontext, double Mindestpreis, double Dividende, double Tage,
                    double Vola, double Basis, double Kurs);

inline double ImpliziteVolaCall(const QString& DividendenTage, const QString& OPM, bool interaktiv,
                                bool& fehlgeschlagen, const Preiskontext& kontext,
                                const QString& Art, double Dividende, double Tage,
                                double Optionspreis, double Basis, double Kurs) {
    return ImpliziteVola(Optionsart::Call, DividendenTage, OPM, interaktiv, fehlgeschlagen, kontext,
                         Art, Dividende, Tage, Optionspreis, Basis, Kurs);
}
inline double ImpliziteVolaPut(const QString& DividendenTage, const QString& OPM, bool interaktiv,
                               bool& fehlgeschlagen, const Preiskontext& kontext,
                               const QString& Art, double Dividende, double Tage,
                               double Optionspreis, double Basis, double Kurs) {
    return ImpliziteVola(Optionsart::Put, DividendenTage, OPM, interaktiv, fehlgeschlagen, kontext,
                         Art, Dividende, Tage, Optionspreis, Basis, Kurs);
}
// The text forms read the dividend date; the margin calculation, pricing one position at many
// scenario points, reads it once and calls Optionspreis with the days.
inline double OptionspreisCall(const QString& DividendenTage, const QString& OPM,
                               const QString& Art, const Preiskontext& kontext, double Mindestpreis,
                               double Dividende, double Tage, double Vola, double Basis,
                               double Kurs) {
    return Optionspreis(Optionsart::Call, TageBisDatum(DividendenTage, kontext), OPM, Art, kontext,
                        Mindestpreis, Dividende, Tage, Vola, Basis, Kurs);
}
inline double OptionspreisPut(const QString& DividendenTage, const QString& OPM, const QString& Art,
                              const Preiskontext& kontext, double Mindestpreis, double Dividende,
                              double Tage, double Vola, double Basis, double Kurs) {
    return Optionspreis(Optionsart::Put, TageBisDatum(DividendenTage, kontext), OPM, Art, kontext,
                        Mindestpreis, Dividende, Tage, Vola, Basis, Kurs);
}
