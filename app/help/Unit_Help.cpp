#include "app/help/Unit_Help.h"

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QStyle>

#include "app/Fonts.h"

namespace {

// The table keeps the standard edition's record sizes in both editions. Several lines end in
// blanks, as the table was typed; they are part of the text.
// clang-format off
constexpr const char* kHelpLines[] = {
    "Stan na dzien 24.06.2008",
    "------------+----+-----+------------  +----------",
    "nazwa       |rozm|zmien| opis         | przyklady",
    "------------+----+-----+------------  +----------",
    "tdNone      |   0|                  ",
    "tdSprzedaz  |4642| TAK |sprzedaz      |FAKT2008.REK;FAKT_PRO.REK;PARA2008.REK;RACH2008.REK;RACH_PRO.REK          ",
    "tdSpKorekta |9440| TAK |kor.sprzedazy |FKOR2008.REK;PKOR2008.REK;RKOR2008.REK",
    "tdGenerator |5341| NIE |generator fakt|SZABLON.REK",
    "tdNota      |2254| TAK |nota koryguj  |NOTA2008.REK",
    "tdMagazyn   | 463| NIE |magazyn       |towar.rek         ",
    "tdMagazynID | 205| NIE |magazyn pomocn|TOWARID.REK",
    "tdWyroby    |2075| NIE |wyroby        |WYROB.REK",
    "tdZam       |4597| TAK |zamowienia    |ZAMK2008.REK;ZAMM2008.REK",
    "tdReklam    |1680| TAK |reklamacje    |REKL2008.REK",
    "tdRuch      |4332| TAK |miedzymagazyno|MM__2008.REK;PW__2008.REK;PZ__2008.REK;WZ__2008.REK;RW__2008.REK                ",
    "tdZakup     |3941| TAK |zakupy,faktRR |ZAKUPY.REK;FVRR2008.REK                   ",
    "tdKpKw      | 611| TAK |KP,KW         |KP__2008.REK;KW__2008.REK",
    "tdBanki     | 286| NIE |spis bankow   |BANKI.REK",
    "tdOperBanki | 459| TAK |operacje banko|PLIK_BAN.REK",
    "tdRRK       | 131| NIE |rej.rapor.kaso|KASA.REK",
    "tdPrzekazy  | 300| NIE |przekazy pieni|BDW.REK;PBANK.REK;PPOST.REK",
    "tdAdresy    | 557| NIE |adresy        |adresy.rek;dostawcy.rek         ",
    "tdKonfig    |3299| NIE |konfiguracja  |KV720.CNF",
    "tdNumXXXX   |1368| NIE |plik numeracji|KVPMXXXX.REK",
    "",
    "",
    "*) nazwa - umownie przyjęto w aplikacji celem rozróżnienia typów dokumentów",
    "   zmien - opisano czy użytkownik może zmieniać nazwę zbioru z poziomu konfiguracji programu",
    "   rozm - rozmiar",
};
// clang-format on

QString HelpText() {
    QStringList lines;
    for (const char* line : kHelpLines) {
        lines << QString::fromUtf8(line);
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

Tfrm_Pomoc::Tfrm_Pomoc(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frm_Pomoc"));
    setWindowTitle(QStringLiteral("Opis typów zbiorów"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(konwpl::WindowFont());
    setFixedSize(693, 453);

    mmo_1 = new QPlainTextEdit(this);
    mmo_1->setObjectName(QStringLiteral("mmo_1"));
    mmo_1->setGeometry(0, 0, 693, 412);
    mmo_1->setFont(konwpl::ConsoleFont(11));
    mmo_1->setReadOnly(true);
    mmo_1->setLineWrapMode(QPlainTextEdit::NoWrap);
    mmo_1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmo_1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmo_1->setPlainText(HelpText());

    pnl_1 = new QFrame(this);
    pnl_1->setObjectName(QStringLiteral("pnl_1"));
    pnl_1->setFrameShape(QFrame::NoFrame);
    pnl_1->setGeometry(0, 412, 693, 41);

    btn_1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"),
                            pnl_1);
    btn_1->setObjectName(QStringLiteral("btn_1"));
    btn_1->setGeometry(614, 8, 75, 25);
    btn_1->setDefault(true);
    connect(btn_1, &QPushButton::clicked, this, &QDialog::accept);
}
