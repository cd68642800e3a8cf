// The About window: caption, size, texts, and the keys that close it.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/about/Unit_about.h"

class Unit_about_test : public QObject {
    Q_OBJECT

private slots:
    void window();
    void labels_data();
    void labels();
    void keys_data();
    void keys();
    void okButtonCloses();
};

void Unit_about_test::window() {
    Tfrm_about about;
    QCOMPARE(about.windowTitle(), QStringLiteral("o programie..."));
    QCOMPARE(about.size(), QSize(289, 310));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(about.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(about.BitBtn1->text(), QStringLiteral("OK"));
    QCOMPARE(about.BitBtn1->geometry(), QRect(112, 280, 75, 25));
    // The OK button is the only control that takes the focus.
    for (QWidget* child : about.findChildren<QWidget*>()) {
        QCOMPARE(child->focusPolicy() != Qt::NoFocus, child == about.BitBtn1);
    }
}

void Unit_about_test::labels_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("place");
    QTest::newRow("Label1") << "Label1"
                            << "Konwerter polskich znaków KV720 v. 1.00" << QRect(3, 4, 282, 16);
    QTest::newRow("Label2") << "Label2"
                            << "Autor:" << QRect(12, 23, 28, 13);
    QTest::newRow("Label4")
        << "Label4"
        << " \nJeżeli masz jakieś uwagi, sugestie lub propozyjce - kontaktuj się z nami."
        << QRect(8, 104, 276, 65);
    QTest::newRow("Label5") << "Label5"
                            << "PROGRAMU UŻYWASZ NA WŁASNĄ ODPOWIEDZIALNOŚĆ!\n"
                               "Autor NIE ODPOWIADA za ewentualne szkody wynikłe z jego "
                               "stosowania.\n"
                               "Pamiętaj! Zawsze WYKONUJ KOPIE ZAPASOWE DANYCH!\n"
                            << QRect(24, 184, 242, 91);
}

void Unit_about_test::labels() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QRect, place);
    Tfrm_about about;
    const auto* shown = about.findChild<QLabel*>(label);
    QVERIFY(shown != nullptr);
    QCOMPARE(shown->text(), text);
    QCOMPARE(shown->geometry(), place);
}

void Unit_about_test::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("a letter") << int(Qt::Key_A) << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << false;
}

// Shown modally, as the main window shows it; the key goes to the control with the focus.
void Unit_about_test::keys() {
    QFETCH(int, key);
    QFETCH(bool, closes);
    Tfrm_about about;
    bool stillOpen = false;
    QTimer::singleShot(0, &about, [&] {
        QTest::keyClick(about.BitBtn1, Qt::Key(key));
        stillOpen = about.isVisible();
        if (stillOpen) {
            about.reject();
        }
    });
    const int result = about.exec();
    QCOMPARE(!stillOpen, closes);
    QCOMPARE(result, closes ? int(QDialog::Accepted) : int(QDialog::Rejected));
}

void Unit_about_test::okButtonCloses() {
    Tfrm_about about;
    QTimer::singleShot(0, about.BitBtn1, &QPushButton::click);
    QCOMPARE(about.exec(), int(QDialog::Accepted));
}

QTEST_MAIN(Unit_about_test)
#include "Unit_about_test.moc"
