#include "pricing/PreisJeLaufzeit.h"

#include "pricing/Kennungen.h"
#include "store/Referenzdaten.h"

namespace {

// P_k: the current price for k = 0, the product's k-th maturity price for k = 1 … 20.
struct Laufzeitpreise {
    const Produktsatz& produkt;
    double b;

    double operator()(int k) const {
        return k == 0 ? b : produkt.Preis_Faelligkeit[static_cast<std::size_t>(k - 1)];
    }
    // P := P_k where 0 ≤ k ≤ bis (a negative index names no maturity).
    void anwenden(double& P, int k, int bis) const {
        if (k >= 0 && k <= bis) P = (*this)(k);
    }
};

int monat(const Laufzeiten& l, int eintrag) {
    return l.Eintraege[static_cast<std::size_t>(eintrag)].Monat;
}

// Bond futures options: maturities up to the first one expiring in the month before a quarter
// month (the first quarter contract) take the current price, the later ones the underlying.
double anleihefutureoption(const Laufzeiten& l, int k, double a, double b) {
    int r = 0;
    for (int i = 0; i < l.Anzahl && r == 0; ++i)
        if ((monat(l, i) + 1) % 3 == 0) r = i + 1;
    return k + 1 > r ? a : b;
}

int quartalsmonat(int m) {
    return m <= 3 ? 3 : m <= 6 ? 6 : m <= 9 ? 9 : 12;
}

// Serial options on the three-month future (maturity j ≤ 2): the price of the quarter contract
// among the first five maturities that the option expires into, or the current price when that
// is the first quarter contract.
double serienoption(const Laufzeitpreise& preise, const Laufzeiten& l, int j, double P) {
    if (j >= l.Anzahl) return P;
    const int q1 = quartalsmonat(monat(l, 0));
    const int qj = quartalsmonat(monat(l, j));
    for (int c = j; c <= 4 && c < l.Anzahl; ++c)
        if (monat(l, c) == qj) P = qj != q1 ? preise(c) : preise.b;
    return P;
}

} // namespace

double PreisJeLaufzeit(const Preiskontext& kontext, int k, double a, double b) {
    const Produktsatz& p = kontext.produkt;
    const bool eingabe = kontext.fenster == Preisfenster::Eingabe;
    const Laufzeitpreise preise{p, b};
    double P = b;
    if (istKennung(p.MATURITY_SWITCH, "Y")) preise.anwenden(P, k, eingabe ? 20 : 12);
    if (istKennung(p.Art, "N")) preise.anwenden(P, k, 20);
    if (istKennung(p.Art, "R") && (istKennung(p.LZB, "J") || istKennung(p.LZB, "7") ||
                                   p.LZB.trimmed().startsWith('V', Qt::CaseInsensitive)))
        preise.anwenden(P, k, 12);
    if (istKennung(p.Art, "V") && istKennung(p.LZB, "11")) preise.anwenden(P, k, 12);
    if (istKennung(p.Art, "Z")) {
        preise.anwenden(P, k, 12);
        if (istKennung(p.LZB, "2")) P = anleihefutureoption(kontext.laufzeiten, k, a, b);
        const int j = kontext.LaufzeitIndex;
        if (istKennung(p.LZB, "5") && j >= 0 && j <= 2 && (eingabe || j != 0))
            P = serienoption(preise, kontext.laufzeiten, j, P);
    }
    if (istKennung(p.Produkt, "HMAV")) preise.anwenden(P, k, 11);
    return P;
}
