#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class Dialoge;
class QMdiArea;
class QMenu;
class THilfe;

// The main window: a multi-document frame with the menu bar. Every child
// window is shown or created here by its window name.
class TMain : public QMainWindow {
    Q_OBJECT
public:
    TMain(const QString& programmverzeichnis, Dialoge& dialoge, QWidget* parent = nullptr);
    ~TMain() override;

    // Brings an open window to the front, or creates it. Returns the window,
    // or nullptr when it cannot be created.
    QWidget* zeigen(const QString& fenstername);
    bool IsChildOpen(const QString& fenstername) const;
    QWidget* fenster(const QString& fenstername) const;

    void SwitchLanguage(const QString& code);
    // Shows the margin results window; an open one calculates again, a new one calculates
    // when it is created.
    void ergebnisseBerechnen();
    // Enables or disables the File, Settings and Help menus.
    void menuesFreigeben(bool frei);

    Dialoge& dialoge() const { return dialoge_; }
    QMdiArea* arbeitsflaeche() const { return mdi_; }
    // The menu item of a label key ("L_1_1"), for the windows and the tests.
    QAction* aktion(const QString& schluessel) const;
    QMenu* menue(const QString& schluessel) const;

signals:
    // A menu is opening: the input window posts a pending edit first.
    void offeneEingabeBuchen();

private:
    void menuesAnlegen();
    QAction* eintrag(QMenu* menue, const QString& schluessel, const QString& fenstername = {});
    void hauptfensterBeschriften();
    void hilfefilmSichtbarkeit();
    void zeitgeberTick();
    void neu();
    void hilfeZeigen();
    void hilfefilmStarten();
    void gitterlayoutSpeichern();
    QWidget* erzeugen(const QString& fenstername);

    Dialoge& dialoge_;
    QMdiArea* mdi_;
    QHash<QString, QPointer<QWidget>> fenster_;
    QHash<QString, QAction*> aktionen_;
    QHash<QString, QMenu*> menues_;
    QHash<QAction*, QString> eingebauteTexte_;
    QAction* filmTrenner_ = nullptr;
    QPointer<THilfe> hilfe_;
};
