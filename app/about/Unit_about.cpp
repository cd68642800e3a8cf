#include "app/about/Unit_about.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "app/Fonts.h"

namespace {

// Who answers for the program, one item a line: the project, the role that maintains it, and
// the ways to reach it. No postal address, telephone, web page or mailbox has been set up for
// the project yet; the marked lines stand in for them until one is.
const QString kContact = QStringLiteral(
    "konwpl\n"
    "Opiekun projektu konwpl\n"
    "adres: [do uzupełnienia]\n"
    "tel.: [do uzupełnienia]\n"
    "www: [do uzupełnienia]\n"
    "e-mail: [do uzupełnienia]");

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

Tfrm_about::Tfrm_about(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frm_about"));
    setWindowTitle(QStringLiteral("o programie..."));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(konwpl::WindowFont());
    setFixedSize(289, 310);

    Label1 = NewLabel(this, "Label1", QStringLiteral("Konwerter polskich znaków KV720 v. 1.00"),
                      {3, 4, 282, 16});
    Label1->setFont(konwpl::WindowFont(13, true));
    Label2 = NewLabel(this, "Label2", QStringLiteral("Autor:"), {12, 23, 28, 13});
    Label3 = NewLabel(this, "Label3", kContact, {68, 24, 166, 78});
    Label4 = NewLabel(this, "Label4",
                      QStringLiteral(" \nJeżeli masz jakieś uwagi, sugestie lub propozyjce - "
                                     "kontaktuj się z nami."),
                      {8, 104, 276, 65});
    Label5 = NewLabel(this, "Label5",
                      QStringLiteral("PROGRAMU UŻYWASZ NA WŁASNĄ ODPOWIEDZIALNOŚĆ!\n"
                                     "Autor NIE ODPOWIADA za ewentualne szkody wynikłe z jego "
                                     "stosowania.\n"
                                     "Pamiętaj! Zawsze WYKONUJ KOPIE ZAPASOWE DANYCH!\n"),
                      {24, 184, 242, 91});
    for (QLabel* centred : {Label4, Label5}) {
        centred->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        centred->setWordWrap(true);
    }

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(112, 280, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn1->setFocus();
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

// Escape closes the window as its OK button does, whichever control has the focus; every other
// key goes on to the control (Enter to the OK button).
void Tfrm_about::FormKeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        done(QDialog::Accepted);
        return;
    }
    QDialog::keyPressEvent(event);
}
