#include "platform/QtDialogDienst.h"
#include "platform/TDefaultFenster.h"
#include "store/Meldungen.h"
#include "support/QtAnwendung.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <set>

namespace {

[[maybe_unused]] auto* const Anwendung = ::testing::AddGlobalTestEnvironment(new QtAnwendung);

// Runs `Aktion` on the modal window as soon as it is up (the box blocks the test in exec).
void AmModalenFenster(std::function<void(QWidget*)> Aktion) {
    QTimer::singleShot(0, [Aktion] {
        if (QWidget* w = QApplication::activeModalWidget())
            Aktion(w);
        else
            AmModalenFenster(Aktion);
    });
}

QPushButton* KnopfMitText(QWidget* Fenster, const QString& Text) {
    for (QPushButton* b : Fenster->findChildren<QPushButton*>())
        if (b->text() == Text) return b;
    return nullptr;
}

void Klicken(QWidget* Fenster, const char* Text) {
    QPushButton* b = KnopfMitText(Fenster, Text);
    ASSERT_NE(b, nullptr) << Text;
    QTest::mouseClick(b, Qt::LeftButton);
}

// Keys go where the user's keys go: to the widget with the focus.
void Taste(QWidget* Fenster, Qt::Key Taste) {
    QWidget* ziel = Fenster->focusWidget() ? Fenster->focusWidget() : Fenster;
    QTest::keyClick(ziel, Taste);
}

struct TBoxFall {
    const char* Name;
    unsigned Knoepfe;
    Knopf Vorgabe;
    std::function<void(QWidget*)> Antwort;
    Knopf Erwartet;
};

class QtDialogDienstTest : public ::testing::Test {
protected:
    void SetUp() override { QApplication::setApplicationName("Velmora"); }
    QtDialogDienst Dienst;
};

TEST_F(QtDialogDienstTest, KnoepfeTastenUndSchliessen) {
    const unsigned jaNein = KnopfJa | KnopfNein;
    const unsigned okAbbrechenAlle = KnopfOK | KnopfAbbrechen | KnopfAlle;
    const TBoxFall faelle[] = {
        {"Ja", jaNein, KnopfNein, [](QWidget* w) { Klicken(w, "Ja"); }, KnopfJa},
        {"Nein", jaNein, KnopfNein, [](QWidget* w) { Klicken(w, "Nein"); }, KnopfNein},
        {"Enter", jaNein, KnopfNein, [](QWidget* w) { Taste(w, Qt::Key_Return); }, KnopfNein},
        {"Escape", jaNein, KnopfNein, [](QWidget* w) { Taste(w, Qt::Key_Escape); }, KnopfNein},
        {"Schliessen", jaNein, KnopfNein, [](QWidget* w) { w->close(); }, KnopfNein},
        {"OK", KnopfOK, KnopfOK, [](QWidget* w) { Klicken(w, "OK"); }, KnopfOK},
        {"OK Enter", KnopfOK, KnopfOK, [](QWidget* w) { Taste(w, Qt::Key_Enter); }, KnopfOK},
        {"OK Escape", KnopfOK, KnopfOK, [](QWidget* w) { Taste(w, Qt::Key_Escape); }, KnopfOK},
        {"Alle", okAbbrechenAlle, KnopfOK, [](QWidget* w) { Klicken(w, "Alle"); }, KnopfAlle},
        {"Abbrechen", okAbbrechenAlle, KnopfOK, [](QWidget* w) { Klicken(w, "Abbrechen"); },
         KnopfAbbrechen},
        {"Mehrere Enter", okAbbrechenAlle, KnopfOK, [](QWidget* w) { Taste(w, Qt::Key_Return); },
         KnopfOK},
        {"Mehrere Escape", okAbbrechenAlle, KnopfOK, [](QWidget* w) { Taste(w, Qt::Key_Escape); },
         KnopfAbbrechen},
    };
    for (const TBoxFall& f : faelle) {
        AmModalenFenster(f.Antwort);
        EXPECT_EQ(Dienst.Nachricht(Symbol::Frage, "Titel", "Text", f.Knoepfe, f.Vorgabe),
                  f.Erwartet)
            << f.Name;
    }
}

// What a box showed, read while it was up.
struct TGesehen {
    QString Titel;
    QString Text;
    QMessageBox::Icon Bild = QMessageBox::NoIcon;
    std::set<QString> Knoepfe;
    QString Vorgabe;
    Qt::TextFormat Format = Qt::AutoText;
};

void AnsehenUnd(TGesehen& Gesehen, std::function<void(QWidget*)> Antwort) {
    AmModalenFenster([&Gesehen, Antwort](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        Gesehen.Titel = box->windowTitle();
        Gesehen.Text = box->text();
        Gesehen.Bild = box->icon();
        for (QAbstractButton* b : box->buttons())
            Gesehen.Knoepfe.insert(b->text());
        if (box->defaultButton()) Gesehen.Vorgabe = box->defaultButton()->text();
        Gesehen.Format = box->textFormat();
        Antwort(w);
    });
}

class NummerierteDialogeTest : public QtDialogDienstTest {
protected:
    const DialogDienstEinsatz Einsatz{Dienst};
};

TEST_F(NummerierteDialogeTest, BestaetigungMitEnterIstNein) {
    TGesehen g;
    AnsehenUnd(g, [](QWidget* w) { Taste(w, Qt::Key_Return); });
    EXPECT_FALSE(Bestaetigung(8));
    EXPECT_EQ(g.Titel, QString::fromUtf8("Bitte bestätigen"));
    EXPECT_EQ(g.Text, QString::fromUtf8("Soll das Lernprogramm wirklich beendet werden?"));
    EXPECT_EQ(g.Bild, QMessageBox::Question);
    EXPECT_EQ(g.Knoepfe, (std::set<QString>{"Ja", "Nein"}));
    EXPECT_EQ(g.Vorgabe, "Nein");
}

TEST_F(NummerierteDialogeTest, BestaetigungMitJa) {
    AmModalenFenster([](QWidget* w) { Klicken(w, "Ja"); });
    EXPECT_TRUE(Bestaetigung(4));
}

TEST_F(NummerierteDialogeTest, MeldungUndFehlerbox) {
    TGesehen meldung;
    AnsehenUnd(meldung, [](QWidget* w) { Klicken(w, "OK"); });
    EXPECT_EQ(Meldung(107), KnopfOK);
    EXPECT_EQ(meldung.Titel, "Hinweis");
    EXPECT_EQ(meldung.Text, "undefinierter Hinweis");
    EXPECT_EQ(meldung.Bild, QMessageBox::Information);
    EXPECT_EQ(meldung.Knoepfe, (std::set<QString>{"OK"}));

    TGesehen fehler;
    AnsehenUnd(fehler, [](QWidget* w) { Taste(w, Qt::Key_Escape); });
    Dialoge().Fehler("<b>Datei</b> fehlt");
    EXPECT_EQ(fehler.Titel, "Velmora"); // an empty caption is the application's name
    EXPECT_EQ(fehler.Text, "<b>Datei</b> fehlt");
    EXPECT_EQ(fehler.Format, Qt::PlainText);
    EXPECT_EQ(fehler.Bild, QMessageBox::Critical);
}

TEST_F(QtDialogDienstTest, EingabeMitOKUndAbbrechen) {
    QString aufforderung;
    AmModalenFenster([&aufforderung](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        aufforderung = dialog->labelText();
        QLineEdit* feld = dialog->findChild<QLineEdit*>();
        ASSERT_NE(feld, nullptr);
        EXPECT_EQ(feld->text(), "alt");
        feld->setText(QString::fromUtf8("Grüße"));
        Klicken(w, "OK");
    });
    std::string wert = "alt";
    EXPECT_TRUE(Dienst.Eingabe("", "Ihr Name:", wert));
    EXPECT_EQ(wert, "Grüße");
    EXPECT_EQ(aufforderung, "Ihr Name:");

    AmModalenFenster([](QWidget* w) {
        w->findChild<QLineEdit*>()->setText("neu");
        Klicken(w, "Abbrechen");
    });
    EXPECT_FALSE(Dienst.Eingabe("Titel", "Ihr Name:", wert));
    EXPECT_EQ(wert, "Grüße");
}

TEST_F(QtDialogDienstTest, WarteCursorIstVerschachtelt) {
    Dienst.WarteCursor(true);
    Dienst.WarteCursor(true);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Dienst.WarteCursor(false);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    Dienst.WarteCursor(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    Dienst.WarteCursor(false); // one too many changes nothing
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QtDialogDienstTest, BoxUnterDemWarteCursorZeigtDenPfeil) {
    Dienst.WarteCursor(true);
    Qt::CursorShape waehrend = Qt::WaitCursor;
    AmModalenFenster([&waehrend](QWidget* w) {
        waehrend = QGuiApplication::overrideCursor()->shape();
        Klicken(w, "OK");
    });
    Dienst.Nachricht(Symbol::Information, "", "Text", KnopfOK, KnopfOK);
    EXPECT_EQ(waehrend, Qt::ArrowCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Dienst.WarteCursor(false);
}

TEST_F(QtDialogDienstTest, SofortBeendenEndetMitDemStatus) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            std::fputs("gepuffert", stdout);
            Dienst.SofortBeenden(3);
        },
        ::testing::ExitedWithCode(3), "");
}

// The learner's message window: yellow, the text read-only, "weiter ..." closes it.
TEST_F(QtDialogDienstTest, MeldungsfensterZeigtDenTextUndSchliesstMitWeiter) {
    QString titel, text, knopf;
    QColor farbe;
    bool nurLesen = false, vorgabe = false, fokus = false;
    AmModalenFenster([&](QWidget* w) {
        auto* fenster = qobject_cast<TDefaultFenster*>(w);
        ASSERT_NE(fenster, nullptr);
        titel = fenster->windowTitle();
        text = fenster->Textfeld->toPlainText();
        nurLesen = fenster->Textfeld->isReadOnly();
        farbe = fenster->palette().color(QPalette::Window);
        knopf = fenster->Weiter->text();
        vorgabe = fenster->Weiter->isDefault();
        fokus = fenster->focusWidget() == fenster->Weiter;
        Klicken(w, "weiter ...");
    });
    Dienst.Meldungsfenster("Erste Zeile\r\nzweite Zeile äöü");
    EXPECT_EQ(titel, "Meldung");
    EXPECT_EQ(text, QString::fromUtf8("Erste Zeile\nzweite Zeile äöü"));
    EXPECT_TRUE(nurLesen);
    EXPECT_EQ(farbe, QColor(255, 255, 0));
    EXPECT_EQ(knopf, "weiter ...");
    EXPECT_TRUE(vorgabe);
    EXPECT_TRUE(fokus);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(QtDialogDienstTest, MeldungsfensterSchliesstMitEscape) {
    AmModalenFenster([](QWidget* w) { Taste(w, Qt::Key_Escape); });
    Dienst.Meldungsfenster("Text");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(TDefaultFenster, BildlaufleisteAbSechsZeilen) {
    for (const auto& [zeilen, bildlauf] :
         {std::pair{1, false}, std::pair{5, false}, std::pair{6, true}, std::pair{9, true}}) {
        QStringList text;
        for (int i = 0; i < zeilen; ++i)
            text << QStringLiteral("Zeile %1").arg(i + 1);
        const TDefaultFenster fenster(text.join(QStringLiteral("\r\n")));
        EXPECT_EQ(fenster.Textfeld->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, bildlauf)
            << zeilen << " Zeilen";
    }
}

} // namespace
