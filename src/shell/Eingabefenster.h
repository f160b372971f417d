#pragma once

// What the main window asks of the position input window, which lives in
// another subsystem.
class Eingabefenster {
public:
    virtual ~Eingabefenster() = default;
    // Discards the portfolio, asking first when there is something to lose.
    // True when the portfolio is empty afterwards.
    virtual bool PortfolioVerwerfen() = 0;
    virtual void gitterlayoutSpeichern() = 0;
    // File menu: read the positions of a workbook (after the portfolio was discarded),
    // write the positions (and the open results) to a workbook.
    virtual void Excel_Import() = 0;
    virtual void Excel_Export() = 0;
};

// The margin results window: it runs the calculation when it is created and
// again when asked.
class Ergebnisfenster {
public:
    virtual ~Ergebnisfenster() = default;
    virtual void berechnen() = 0;
};
