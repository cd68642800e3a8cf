// The help window: its caption, size and controls, and the table of file types line by line.
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/help/Unit_Help.h"

namespace {

// clang-format off
const QStringList kExpectedLines{
    QStringLiteral("Stan na dzien 24.06.2008"),
    QStringLiteral("------------+----+-----+------------  +----------"),
    QStringLiteral("nazwa       |rozm|zmien| opis         | przyklady"),
    QStringLiteral("------------+----+-----+------------  +----------"),
    QStringLiteral("tdNone      |   0|                  "),
    QStringLiteral("tdSprzedaz  |4642| TAK |sprzedaz      |FAKT2008.REK;FAKT_PRO.REK;PARA2008.REK;RACH2008.REK;RACH_PRO.REK          "),
    QStringLiteral("tdSpKorekta |9440| TAK |kor.sprzedazy |FKOR2008.REK;PKOR2008.REK;RKOR2008.REK"),
    QStringLiteral("tdGenerator |5341| NIE |generator fakt|SZABLON.REK"),
    QStringLiteral("tdNota      |2254| TAK |nota koryguj  |NOTA2008.REK"),
    QStringLiteral("tdMagazyn   | 463| NIE |magazyn       |towar.rek         "),
    QStringLiteral("tdMagazynID | 205| NIE |magazyn pomocn|TOWARID.REK"),
    QStringLiteral("tdWyroby    |2075| NIE |wyroby        |WYROB.REK"),
    QStringLiteral("tdZam       |4597| TAK |zamowienia    |ZAMK2008.REK;ZAMM2008.REK"),
    QStringLiteral("tdReklam    |1680| TAK |reklamacje    |REKL2008.REK"),
    QStringLiteral("tdRuch      |4332| TAK |miedzymagazyno|MM__2008.REK;PW__2008.REK;PZ__2008.REK;WZ__2008.REK;RW__2008.REK                "),
    QStringLiteral("tdZakup     |3941| TAK |zakupy,faktRR |ZAKUPY.REK;FVRR2008.REK                   "),
    QStringLiteral("tdKpKw      | 611| TAK |KP,KW         |KP__2008.REK;KW__2008.REK"),
    QStringLiteral("tdBanki     | 286| NIE |spis bankow   |BANKI.REK"),
    QStringLiteral("tdOperBanki | 459| TAK |operacje banko|PLIK_BAN.REK"),
    QStringLiteral("tdRRK       | 131| NIE |rej.rapor.kaso|KASA.REK"),
    QStringLiteral("tdPrzekazy  | 300| NIE |przekazy pieni|BDW.REK;PBANK.REK;PPOST.REK"),
    QStringLiteral("tdAdresy    | 557| NIE |adresy        |adresy.rek;dostawcy.rek         "),
    QStringLiteral("tdKonfig    |3299| NIE |konfiguracja  |KV720.CNF"),
    QStringLiteral("tdNumXXXX   |1368| NIE |plik numeracji|KVPMXXXX.REK"),
    QStringLiteral(""),
    QStringLiteral(""),
    QStringLiteral("*) nazwa - umownie przyjęto w aplikacji celem rozróżnienia typów dokumentów"),
    QStringLiteral("   zmien - opisano czy użytkownik może zmieniać nazwę zbioru z poziomu konfiguracji programu"),
    QStringLiteral("   rozm - rozmiar"),
};
// clang-format on

QStringList ShownLines(const Tfrm_Pomoc& window) {
    return window.mmo_1->toPlainText().split(QLatin1Char('\n'));
}

}  // namespace

class Unit_Help_test : public QObject {
    Q_OBJECT

private slots:
    void window();
    void lines_data();
    void lines();
    void trailingBlanks_data();
    void trailingBlanks();
    void sameTextEveryTime();
};

void Unit_Help_test::window() {
    Tfrm_Pomoc help;
    QCOMPARE(help.windowTitle(), QStringLiteral("Opis typów zbiorów"));
    QCOMPARE(help.size(), QSize(693, 453));
    QCOMPARE(help.minimumSize(), help.maximumSize());
    QVERIFY(help.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(help.mmo_1->geometry(), QRect(0, 0, 693, 412));
    QVERIFY(help.mmo_1->isReadOnly());
    QCOMPARE(help.mmo_1->lineWrapMode(), QPlainTextEdit::NoWrap);
    QVERIFY(help.mmo_1->font().fixedPitch());
    QCOMPARE(help.mmo_1->font().pixelSize(), 11);
    QCOMPARE(help.pnl_1->geometry(), QRect(0, 412, 693, 41));
    QCOMPARE(help.btn_1->text(), QStringLiteral("OK"));
    QCOMPARE(help.btn_1->geometry(), QRect(614, 8, 75, 25));
    QVERIFY(help.btn_1->isDefault());
}

void Unit_Help_test::lines_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    for (int line = 1; line <= kExpectedLines.size(); ++line) {
        QTest::addRow("line %d", line) << line << kExpectedLines[line - 1];
    }
}

void Unit_Help_test::lines() {
    QFETCH(int, line);
    QFETCH(QString, text);
    Tfrm_Pomoc help;
    const QStringList shown = ShownLines(help);
    QCOMPARE(shown.size(), 29);
    QCOMPARE(shown[line - 1], text);
}

// Where the table was typed with blanks after the text, and its longest line.
void Unit_Help_test::trailingBlanks_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("blanks");
    QTest::addColumn<int>("length");
    QTest::newRow("tdNone") << 5 << 18 << 36;
    QTest::newRow("tdSprzedaz") << 6 << 10 << 113;
    QTest::newRow("tdMagazyn") << 10 << 9 << 57;
    QTest::newRow("tdRuch, the longest") << 15 << 16 << 119;
    QTest::newRow("tdZakup") << 16 << 19 << 81;
    QTest::newRow("tdAdresy") << 22 << 9 << 71;
    QTest::newRow("tdKonfig, none") << 23 << 0 << 48;
}

void Unit_Help_test::trailingBlanks() {
    QFETCH(int, line);
    QFETCH(int, blanks);
    QFETCH(int, length);
    Tfrm_Pomoc help;
    const QString text = ShownLines(help)[line - 1];
    QCOMPARE(int(text.size()), length);
    QCOMPARE(int(text.size() - QString(text).remove(QRegularExpression(" +$")).size()), blanks);
}

// Shown modally and closed by OK twice over: the same window and the same text.
void Unit_Help_test::sameTextEveryTime() {
    Tfrm_Pomoc help;
    for (int time = 0; time < 2; ++time) {
        QTimer::singleShot(0, help.btn_1, &QPushButton::click);
        QCOMPARE(help.exec(), int(QDialog::Accepted));
        QCOMPARE(ShownLines(help), kExpectedLines);
    }
}

QTEST_MAIN(Unit_Help_test)
#include "Unit_Help_test.moc"
