// The main window: its start state in both editions, the button rows, what the buttons hand to
// the batch driver, a real conversion through the window, the folder boxes' refresh rules,
// sorting, the modal boxes and the general error handler.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

#include "app/MessageBoxes.h"
#include "app/Unit_Main.h"
#include "app/about/Unit_about.h"
#include "app/help/Unit_Help.h"
#include "charset/PlLetters.h"
#include "convert/FileError.h"
#include "records/REKORDY.h"

using namespace konwpl;

Q_DECLARE_METATYPE(konwpl::Edition)
Q_DECLARE_METATYPE(konwpl::DialogIcon)
Q_DECLARE_METATYPE(konwpl::DialogButtons)
Q_DECLARE_METATYPE(konwpl::DialogAnswer)
Q_DECLARE_METATYPE(konwpl::PlCharset)

namespace {

// A message box as the user saw it.
struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    bool leftByEscapeOrClose = false;  // set when the box was tried that way first
    Qt::CursorShape cursor = Qt::ArrowCursor;
};

// Watches for the modal boxes that a step opens, records each and presses the scripted answer
// (OK where the script has run out). With `tryEscape`, every box is first offered Escape and
// its close box.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(QList<QMessageBox::StandardButton> answers = {}, bool tryEscape = false)
        : answers_(std::move(answers)), tryEscape_(tryEscape) {
        connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::Look);
        timer_.start(10);
    }
    const QList<SeenBox>& seen() const { return seen_; }

private:
    void Look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        SeenBox seen{box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        if (const QCursor* cursor = QApplication::overrideCursor()) {
            seen.cursor = cursor->shape();
        }
        if (tryEscape_) {
            QTest::keyClick(box, Qt::Key_Escape);
            if (box->isVisible()) {
                box->close();
            }
            seen.leftByEscapeOrClose = !box->isVisible();
        }
        seen_.push_back(seen);
        if (box->isVisible()) {
            const QMessageBox::StandardButton answer =
                answers_.isEmpty() ? QMessageBox::Ok : answers_.takeFirst();
            if (QAbstractButton* button = box->button(answer)) {
                button->click();
            } else {
                box->done(QMessageBox::Ok);
            }
        }
    }

    QList<QMessageBox::StandardButton> answers_;
    bool tryEscape_;
    QList<SeenBox> seen_;
    QTimer timer_;
};

// What a type button handed to the batch driver.
struct Recorder {
    std::vector<BatchRequest> requests;
    Tfrm_Main::BatchRunner runner() {
        return [this](const BatchRequest& request, UserDialog&, ConvertText&) {
            requests.push_back(request);
        };
    }
};

QString BoxText(const QString& folder) {
    return QDir::toNativeSeparators(folder);
}

// The file names in a list, from the first row shown to the last.
QStringList ShownNames(const QTableView* list) {
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
        names << list->model()
                     ->index(row, 0, list->rootIndex())
                     .data(QFileSystemModel::FileNameRole)
                     .toString();
    }
    return names;
}

bool WaitForNames(const QTableView* list, const QStringList& names) {
    return QTest::qWaitFor([&] { return ShownNames(list) == names; }, 5000);
}

QFileSystemModel* FilesOf(const QTableView* list) {
    return list->findChild<QFileSystemModel*>(list->objectName() + "Files");
}

void Apply(QLineEdit* box, QPushButton* refresh, const QString& folder) {
    box->setText(BoxText(folder));
    refresh->click();
}

void SelectRows(QTableView* list, const QStringList& names) {
    const QStringList shown = ShownNames(list);
    for (const QString& name : names) {
        const QModelIndex row =
            list->model()->index(int(shown.indexOf(name)), 0, list->rootIndex());
        list->selectionModel()->select(row,
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Clicks the header of a list's column as the user does.
void ClickHeader(QTableView* list, int column) {
    QHeaderView* header = list->horizontalHeader();
    const QPoint inside(header->sectionViewportPosition(column) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, inside);
}

// A text in one encoding: Polish letters by the letter table, everything else as it stands.
QByteArray Encode(const QString& text, PlCharset charset) {
    QByteArray bytes;
    for (const QChar c : text) {
        char byte = char(c.toLatin1());
        for (const PolishLetter& letter : kPolishLetters) {
            if (QString::fromUtf8(letter.letter) == c) {
                byte = char(LetterByte(letter, charset));
            }
        }
        bytes += byte;
    }
    return bytes;
}

// An address record (557 bytes, standard edition) with text in its first and last field and
// every other field empty. The bytes outside the texts hold Mazovia letters too: they are not
// text and must stay.
QByteArray AddressRecord(const QString& first, const QString& last, PlCharset charset) {
    QByteArray record(557, char(0x86));  // Mazovia "ą" everywhere
    ForEachTextField(*LayoutFor(tdAdresy, Edition::Standard),
                     [&](std::size_t offset, std::uint8_t) { record[qsizetype(offset)] = 0; });
    const auto put = [&](int offset, const QString& text) {
        record[offset] = char(text.size());
        record.replace(offset + 1, int(text.size()), Encode(text, charset));
    };
    put(4, first);
    put(527, last);
    return record;
}

std::unique_ptr<Tfrm_Main> NewWindow(Edition edition = Edition::Standard) {
    auto window = std::make_unique<Tfrm_Main>(edition);
    window->show();
    return window;
}

const QStringList kCharsetEntries{"CP-852", "MAZovia", "WIN1250"};

}  // namespace

class Unit_Main_test : public QObject {
    Q_OBJECT

private slots:
    void startState_data();
    void startState();
    void buttonRows_data();
    void buttonRows();
    void keyboardOrder_data();
    void keyboardOrder();
    void typeButtonReachesBatch_data();
    void typeButtonReachesBatch();
    void secondaryWindows_data();
    void secondaryWindows();
    void convertReadsSelectorsAtEveryCall_data();
    void convertReadsSelectorsAtEveryCall();
    void realConversion_data();
    void realConversion();
    void waitCursorWhileBatchRuns();

    void listShowsFilesOfOneFolder();
    void listFollowsItsFolder();
    void listKeepsItsFolderWhileParentsAreRead();
    void refreshKeepsListForSameText_data();
    void refreshKeepsListForSameText();
    void refreshReadsAFolderThatDiffersOnlyInCase();
    void badFolderGivesErrorAndKeepsList_data();
    void badFolderGivesErrorAndKeepsList();
    void enterAppliesFolderBox_data();
    void enterAppliesFolderBox();
    void sameDirButtonCopiesUnappliedText();
    void destinationIsShownFolderNotTypedText();
    void browseDialogSetsBoxAndRefreshes_data();
    void browseDialogSetsBoxAndRefreshes();
    void resizeArrangesLists();
    void sortingOneListLeavesTheOther();
    void batchTakesRowsInShownOrder();

    void askShowsModalBox_data();
    void askShowsModalBox();
    void yesNoBoxLeavesOnlyByItsButtons();
    void fullStopRule_data();
    void fullStopRule();
    void programTitle_data();
    void programTitle();
    void batchErrorsReachErrorHandler_data();
    void batchErrorsReachErrorHandler();
};

void Unit_Main_test::startState_data() {
    QTest::addColumn<Edition>("edition");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("stripHeight");
    QTest::newRow("standard") << Edition::Standard
                              << QStringLiteral("Konwersja polskich znaków KV720")
                              << QSize(824, 627) << 115;
    QTest::newRow("export") << Edition::Export
                            << QStringLiteral("Konwersja polskich znaków KV720 WERSJA EKSPORT+UE")
                            << QSize(845, 673) << 121;
}

void Unit_Main_test::startState() {
    QFETCH(Edition, edition);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(int, stripHeight);
    Tfrm_Main window(edition);

    QCOMPARE(window.windowTitle(), caption);
    QCOMPARE(window.size(), size);
    QCOMPARE(window.pnl_8->height(), stripHeight);
    for (QComboBox* selector : {window.cbb_1, window.cbb_2}) {
        QStringList entries;
        for (int i = 0; i < selector->count(); ++i) {
            entries << selector->itemText(i);
        }
        QCOMPARE(entries, kCharsetEntries);
        QVERIFY(!selector->isEditable());
    }
    QCOMPARE(window.cbb_1->currentText(), QStringLiteral("MAZovia"));
    QCOMPARE(window.cbb_2->currentText(), QStringLiteral("CP-852"));

    // The root of the system drive: "c:\" in the boxes and "C:\" in the lists on Windows.
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    QCOMPARE(window.edt_1->text(), root.toLower());
    QCOMPARE(window.edt_2->text(), root.toLower());
    QCOMPARE(window.SourceFolder(), root.toUpper());
    QCOMPARE(window.DestinationFolder(), root.toUpper());
    for (QTableView* list : {window.lv_1, window.lv_2}) {
        QCOMPARE(list->rootIndex().data(QFileSystemModel::FilePathRole).toString(),
                 QDir::rootPath());
        QCOMPARE(FilesOf(list)->rootPath(), QDir::rootPath());
    }
    QCOMPARE(window.frm_about->isVisible(), false);
    QCOMPARE(window.frm_Pomoc->isVisible(), false);
}

void Unit_Main_test::buttonRows_data() {
    QTest::addColumn<Edition>("edition");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::newRow("standard") << Edition::Standard
                              << QList<QStringList>{
                                     {"Sprzedaż", "Noty korygujące", "Wyroby", "Zakupy",
                                      "Operacje bankowe", "Adresy", "Konwersja binarna",
                                      "BEZ KONWERSJI"},
                                     {"Korekty sprzedaży", "Magazyn", "Reklamacje", "KP, KW",
                                      "Rej. Rap. Kasowego", "Konfiguracja", "O programie ..."},
                                     {"Generator faktur", "Zamówienia", "PZ,WZ,MM,PW", "Banki",
                                      "Przekazy pieniężne", "Remanent", "POMOC"}};
    QTest::newRow("export") << Edition::Export
                            << QList<QStringList>{
                                   {"Sprzedaż", "Noty korygujące", "Wyroby.REK", "Zakupy",
                                    "Przekazy pieniężne (np.pbank.rek)", "Adresy", "BEZ KONWERSJI"},
                                   {"Korekty sprzedaży", "Towar.REK", "Reklamacje", "KP, KW",
                                    "Kasa.REK", "KV720.CNF", "Konwersja binarna",
                                    "O programie ..."},
                                   {"Szablon.REK", "Zamówienia", "PZ,WZ,MM,PW", "Banki.REK",
                                    "Oper.bankowe (dla banków w Banki.REK)", "Remanent (*.rem)",
                                    "POMOC"}};
}

// The rows as the user sees them: buttons grouped by their height in the window, left to right.
void Unit_Main_test::buttonRows() {
    QFETCH(Edition, edition);
    QFETCH(QList<QStringList>, rows);
    auto window = NewWindow(edition);

    std::map<int, std::map<int, QPushButton*>> shown;
    for (QPushButton* button : window->pnl_8->findChildren<QPushButton*>()) {
        shown[button->y()][button->x()] = button;
    }
    QList<QStringList> captions;
    for (const auto& [y, row] : shown) {
        QStringList line;
        for (const auto& [x, button] : row) {
            line << button->text();
            const bool bold = button->text() == "BEZ KONWERSJI" || button->text() == "POMOC";
            QCOMPARE(button->font().bold(), bold);
            QVERIFY2(button->geometry().right() < window->pnl_8->width(),
                     qPrintable(button->text()));
        }
        captions << line;
    }
    QCOMPARE(captions, rows);
}

void Unit_Main_test::keyboardOrder_data() {
    QTest::addColumn<Edition>("edition");
    QTest::newRow("standard") << Edition::Standard;
    QTest::newRow("export") << Edition::Export;
}

// The source side, the destination side, the selectors, then the buttons row by row.
void Unit_Main_test::keyboardOrder() {
    QFETCH(Edition, edition);
    auto window = NewWindow(edition);
    QList<QWidget*> expected{window->edt_1,          window->btn_SourceChange,
                             window->lv_1,           window->edt_2,
                             window->btn_DestChange, window->btn_1,
                             window->lv_2,           window->cbb_1,
                             window->cbb_2};
    QList<QPushButton*> grid = window->pnl_8->findChildren<QPushButton*>();
    std::sort(grid.begin(), grid.end(), [](const QPushButton* a, const QPushButton* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (QPushButton* button : grid) {
        expected << button;
    }

    QList<QWidget*> order;
    QWidget* widget = window->edt_1;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible()) {
            order << widget;
        }
        widget = widget->nextInFocusChain();
    } while (widget != window->edt_1);
    QCOMPARE(order, expected);
}

void Unit_Main_test::typeButtonReachesBatch_data() {
    QTest::addColumn<Edition>("edition");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("type");
    const std::pair<const char*, TTypDokumentu> buttons[] = {
        {"btn_Copy", tdNone},
        {"btn_Sprzedaz", tdSprzedaz},
        {"btn_KorektySp", tdSpKorekta},
        {"btn_Generator", tdGenerator},
        {"btn_Nota", tdNota},
        {"btn_Magazyn", tdMagazyn},
        {"btn_Wyroby", tdWyroby},
        {"btn_Zam", tdZam},
        {"btn_Reklamacje", tdReklam},
        {"btn_PZ", tdRuch},
        {"btn_Zakupy", tdZakup},
        {"btn_KPKW", tdKpKw},
        {"btn_Banki", tdBanki},
        {"btn_OperBanki", tdOperBanki},
        {"btn_RRK", tdRRK},
        {"btn_Przekazy", tdPrzekazy},
        {"btn_Adresy", tdAdresy},
        {"btn_Konfig", tdKonfig},
        {"btn_Remanent", tdRemanent},
        {"btn_KonwBin", tdCalyPlik},
    };
    for (const auto& [edition, tag] :
         {std::pair{Edition::Standard, "standard"}, std::pair{Edition::Export, "export"}}) {
        for (const auto& [button, type] : buttons) {
            QTest::addRow("%s %s", tag, button) << edition << QString(button) << int(type);
        }
    }
}

void Unit_Main_test::typeButtonReachesBatch() {
    QFETCH(Edition, edition);
    QFETCH(QString, button);
    QFETCH(int, type);
    Tfrm_Main window(edition);
    Recorder recorder;
    window.SetBatchRunner(recorder.runner());

    window.findChild<QPushButton*>(button)->click();

    QCOMPARE(recorder.requests.size(), std::size_t{1});
    QCOMPARE(int(recorder.requests[0].type), type);
    QCOMPARE(recorder.requests[0].edition, edition);
    QVERIFY(recorder.requests[0].sources.empty());
}

void Unit_Main_test::secondaryWindows_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("O programie") << "btn_O"
                                 << "frm_about";
    QTest::newRow("POMOC") << "btn_Pomoc"
                           << "frm_Pomoc";
}

// Each button shows the same window modally, every time.
void Unit_Main_test::secondaryWindows() {
    QFETCH(QString, button);
    QFETCH(QString, window);
    Tfrm_Main main(Edition::Standard);
    Recorder recorder;
    main.SetBatchRunner(recorder.runner());
    QList<QWidget*> shown;
    for (int time = 0; time < 2; ++time) {
        QTimer::singleShot(50, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            shown << dialog;
            if (dialog != nullptr) {
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        main.findChild<QPushButton*>(button)->click();
    }
    QWidget* expected = main.findChild<QDialog*>(window);
    QVERIFY(expected != nullptr);
    QCOMPARE(shown, (QList<QWidget*>{expected, expected}));
    QVERIFY(recorder.requests.empty());
}

void Unit_Main_test::convertReadsSelectorsAtEveryCall_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("target");
    QTest::addColumn<PlCharset>("from");
    QTest::addColumn<PlCharset>("to");
    QTest::newRow("MAZovia->CP-852") << 1 << 0 << PlCharset::Mazovia << PlCharset::CP852;
    QTest::newRow("WIN1250->MAZovia") << 2 << 1 << PlCharset::Win1250 << PlCharset::Mazovia;
    QTest::newRow("CP-852->WIN1250") << 0 << 2 << PlCharset::CP852 << PlCharset::Win1250;
    QTest::newRow("CP-852->CP-852") << 0 << 0 << PlCharset::CP852 << PlCharset::CP852;
}

void Unit_Main_test::convertReadsSelectorsAtEveryCall() {
    QFETCH(int, source);
    QFETCH(int, target);
    QFETCH(PlCharset, from);
    QFETCH(PlCharset, to);
    Tfrm_Main window(Edition::Standard);
    const QString text = QStringLiteral("Zażółć gęślą jaźń ŁÓDŹ");

    window.cbb_1->setCurrentIndex(source);
    window.cbb_2->setCurrentIndex(target);
    QByteArray bytes = Encode(text, from);
    window.Convert({reinterpret_cast<std::uint8_t*>(bytes.data()), std::size_t(bytes.size())});
    QCOMPARE(bytes, Encode(text, to));
}

void Unit_Main_test::realConversion_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("converted");
    QTest::newRow("overwrite: Yes") << QMessageBox::Yes << true;
    QTest::newRow("overwrite: No") << QMessageBox::No << false;
}

// Two address records with Mazovia letters, selected in lv_1, converted by "Adresy" into the
// folder lv_2 shows, over a file of the same name after the question.
void Unit_Main_test::realConversion() {
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, converted);
    QTemporaryDir source;
    QTemporaryDir destination;
    const QString first = QStringLiteral("Zażółć gęślą jaźń");
    const QString last = QStringLiteral("ŚĆ ŻŹ Ń");
    const QString other = QStringLiteral("Łódź, ul. Źródlana");
    const QByteArray mazovia = AddressRecord(first, last, PlCharset::Mazovia) +
                               AddressRecord(other, last, PlCharset::Mazovia);
    // Inside a field only the text is converted; the bytes after it stay Mazovia.
    const QByteArray expected =
        AddressRecord(first, last, PlCharset::CP852) + AddressRecord(other, last, PlCharset::CP852);
    WriteFile(source.filePath("ADRESY.REK"), mazovia);
    WriteFile(source.filePath("INNY.REK"), QByteArray(557, 'x'));
    const QByteArray older("an older file");
    WriteFile(destination.filePath("ADRESY.REK"), older);

    auto window = NewWindow(Edition::Standard);
    Apply(window->edt_1, window->btn_SourceChange, source.path());
    Apply(window->edt_2, window->btn_DestChange, destination.path());
    QVERIFY(WaitForNames(window->lv_1, {"ADRESY.REK", "INNY.REK"}));
    SelectRows(window->lv_1, {"ADRESY.REK"});

    BoxAnswerer answerer({answer});
    window->btn_Adresy->click();

    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen()[0].caption, QStringLiteral("Pytanie zasadnicze"));
    QCOMPARE(answerer.seen()[0].icon, QMessageBox::Warning);
    QCOMPARE(answerer.seen()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(answerer.seen()[0].text.endsWith(
        QStringLiteral("ADRESY.REK już istnieje!\nCzy na pewno go nadpisać?!")));
    QCOMPARE(ReadFile(destination.filePath("ADRESY.REK")), converted ? expected : older);
    QCOMPARE(ReadFile(source.filePath("ADRESY.REK")), mazovia);
    QVERIFY(!QFile::exists(destination.filePath("INNY.REK")));
}

void Unit_Main_test::waitCursorWhileBatchRuns() {
    Tfrm_Main window(Edition::Standard);
    Qt::CursorShape during = Qt::ArrowCursor;
    window.SetBatchRunner([&](const BatchRequest&, UserDialog& dialog, ConvertText&) {
        during = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                : Qt::ArrowCursor;
        dialog.Ask("Pytanie", "Błąd", DialogIcon::Warning, DialogButtons::Ok);
    });
    BoxAnswerer answerer;
    window.btn_Adresy->click();

    QCOMPARE(during, Qt::WaitCursor);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen()[0].cursor, Qt::ArrowCursor);  // a box is answered with the arrow
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void Unit_Main_test::listShowsFilesOfOneFolder() {
    QTemporaryDir folder;
    WriteFile(folder.filePath("B.REK"), "b");
    WriteFile(folder.filePath(".ukryty"), "h");
    WriteFile(folder.filePath("a.rek"), "a");
    QVERIFY(QDir(folder.path()).mkdir("KATALOG"));
    auto window = NewWindow();

    Apply(window->edt_1, window->btn_SourceChange, folder.path());

    QVERIFY(WaitForNames(window->lv_1, {".ukryty", "a.rek", "B.REK"}));
    QCOMPARE(window->lv_1->columnWidth(0), 130);
    QCOMPARE(window->lv_1->columnWidth(1), 70);
    QVERIFY(window->lv_1->isColumnHidden(2));
    QCOMPARE(window->lv_1->showGrid(), true);
    QCOMPARE(window->lv_1->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(window->lv_1->selectionBehavior(), QAbstractItemView::SelectRows);
    const QPalette palette = window->lv_1->palette();
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::Highlight),
             palette.color(QPalette::Active, QPalette::Highlight));
}

void Unit_Main_test::listFollowsItsFolder() {
    QTemporaryDir folder;
    WriteFile(folder.filePath("A.REK"), "a");
    auto window = NewWindow();
    Apply(window->edt_2, window->btn_DestChange, folder.path());
    QVERIFY(WaitForNames(window->lv_2, {"A.REK"}));

    WriteFile(folder.filePath("B.REK"), "b");
    QVERIFY(WaitForNames(window->lv_2, {"A.REK", "B.REK"}));
    QVERIFY(QFile::remove(folder.filePath("A.REK")));
    QVERIFY(WaitForNames(window->lv_2, {"B.REK"}));
}

// A folder applied while its parent is still being read stays the list's folder once the
// parent's entries, the folder among them, have come in.
void Unit_Main_test::listKeepsItsFolderWhileParentsAreRead() {
    QTemporaryDir parent;
    QVERIFY(QDir(parent.path()).mkdir("DANE"));
    WriteFile(parent.filePath("INNY.REK"), "i");
    WriteFile(parent.filePath("DANE/ADRESY.REK"), "a");
    auto window = NewWindow();
    for (int time = 0; time < 3; ++time) {
        Apply(window->edt_1, window->btn_SourceChange, parent.path());
        QVERIFY(WaitForNames(window->lv_1, {"INNY.REK"}));  // DANE is a folder: no row
        Apply(window->edt_1, window->btn_SourceChange, parent.filePath("DANE"));
        Apply(window->edt_2, window->btn_DestChange, parent.path());
        Apply(window->edt_2, window->btn_DestChange, parent.filePath("DANE"));
        QVERIFY(WaitForNames(window->lv_1, {"ADRESY.REK"}));
        QVERIFY(WaitForNames(window->lv_2, {"ADRESY.REK"}));
        QTest::qWait(100);
        QCOMPARE(ShownNames(window->lv_1), QStringList{"ADRESY.REK"});
        QCOMPARE(ShownNames(window->lv_2), QStringList{"ADRESY.REK"});
    }
}

void Unit_Main_test::refreshKeepsListForSameText_data() {
    QTest::addColumn<bool>("upperCase");
    QTest::newRow("unchanged text") << false;
    // Where letter case tells folders apart, such a text names another folder (see below).
    if (QFileInfo::exists(QDir::tempPath().toUpper())) {
        QTest::newRow("letters A to Z in other case") << true;
    }
}

// Where letter case tells folders apart, a text in other case names another folder, and the
// list shows that one.
void Unit_Main_test::refreshReadsAFolderThatDiffersOnlyInCase() {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("kv");
    if (!QDir(folder.path()).mkdir("KV")) {
        QSKIP("this file system ignores letter case");
    }
    WriteFile(folder.filePath("kv/A.REK"), "a");
    WriteFile(folder.filePath("KV/B.REK"), "b");
    auto window = NewWindow();
    Apply(window->edt_2, window->btn_DestChange, folder.filePath("kv"));
    QVERIFY(WaitForNames(window->lv_2, {"A.REK"}));

    Apply(window->edt_2, window->btn_DestChange, folder.filePath("KV"));
    QVERIFY(WaitForNames(window->lv_2, {"B.REK"}));
    QCOMPARE(window->DestinationFolder(), BoxText(folder.filePath("KV")));
}

// Not read again: the selection stays and the model is not pointed anywhere; the widths are
// still put back.
void Unit_Main_test::refreshKeepsListForSameText() {
    QFETCH(bool, upperCase);
    QTemporaryDir folder;
    WriteFile(folder.filePath("A.REK"), "a");
    auto window = NewWindow();
    Apply(window->edt_1, window->btn_SourceChange, folder.path());
    QVERIFY(WaitForNames(window->lv_1, {"A.REK"}));
    SelectRows(window->lv_1, {"A.REK"});
    window->lv_1->setColumnWidth(0, 40);
    window->lv_1->setColumnWidth(1, 20);
    QSignalSpy rereads(FilesOf(window->lv_1), &QFileSystemModel::rootPathChanged);

    const QString text = BoxText(folder.path());
    window->edt_1->setText(upperCase ? text.toUpper() : text);
    window->btn_SourceChange->click();

    QCOMPARE(rereads.count(), 0);
    QCOMPARE(window->SourceFolder(), text);
    QCOMPARE(window->SelectedSources().size(), std::size_t{1});
    QCOMPARE(window->lv_1->columnWidth(0), 130);
    QCOMPARE(window->lv_1->columnWidth(1), 70);
}

void Unit_Main_test::badFolderGivesErrorAndKeepsList_data() {
    QTest::addColumn<bool>("destination");
    QTest::newRow("source box") << false;
    QTest::newRow("destination box") << true;
}

void Unit_Main_test::badFolderGivesErrorAndKeepsList() {
    QFETCH(bool, destination);
    QTemporaryDir folder;
    WriteFile(folder.filePath("A.REK"), "a");
    const QString missing = BoxText(folder.filePath("nie ma"));
    auto window = NewWindow();
    QLineEdit* box = destination ? window->edt_2 : window->edt_1;
    QPushButton* refresh = destination ? window->btn_DestChange : window->btn_SourceChange;
    QTableView* list = destination ? window->lv_2 : window->lv_1;
    Apply(box, refresh, folder.path());
    QVERIFY(WaitForNames(list, {"A.REK"}));

    BoxAnswerer answerer;
    Apply(box, refresh, missing);

    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen()[0].text, QStringLiteral("Error setting path: \"%1\"").arg(missing));
    QCOMPARE(answerer.seen()[0].caption, ProgramTitle());
    QCOMPARE(answerer.seen()[0].icon, QMessageBox::Critical);
    QCOMPARE(answerer.seen()[0].buttons, QMessageBox::Ok);
    QCOMPARE(box->text(), missing);
    QCOMPARE(destination ? window->DestinationFolder() : window->SourceFolder(),
             BoxText(folder.path()));
    QCOMPARE(ShownNames(list), QStringList{"A.REK"});
}

void Unit_Main_test::enterAppliesFolderBox_data() {
    QTest::addColumn<bool>("destination");
    QTest::newRow("Enter in edt_1") << false;
    QTest::newRow("Enter in edt_2") << true;
}

void Unit_Main_test::enterAppliesFolderBox() {
    QFETCH(bool, destination);
    QTemporaryDir folder;
    auto window = NewWindow();
    QLineEdit* box = destination ? window->edt_2 : window->edt_1;
    box->setText(BoxText(folder.path()));

    QTest::keyClick(window->btn_Adresy, Qt::Key_Return);  // Enter elsewhere applies nothing
    QCOMPARE(window->SourceFolder(), QDir::toNativeSeparators(QDir::rootPath()));
    QCOMPARE(window->DestinationFolder(), QDir::toNativeSeparators(QDir::rootPath()));
    QTest::keyClick(box, Qt::Key_Return);

    QCOMPARE(destination ? window->DestinationFolder() : window->SourceFolder(),
             BoxText(folder.path()));
    QCOMPARE(destination ? window->SourceFolder() : window->DestinationFolder(),
             QDir::toNativeSeparators(QDir::rootPath()));
}

void Unit_Main_test::sameDirButtonCopiesUnappliedText() {
    QTemporaryDir folder;
    auto window = NewWindow();
    QCOMPARE(window->btn_1->text(), QStringLiteral("Ustaw ten sam DIR co źródłowy"));
    window->edt_1->setText(BoxText(folder.path()));  // typed, not applied

    window->btn_1->click();

    QCOMPARE(window->edt_2->text(), BoxText(folder.path()));
    QCOMPARE(window->DestinationFolder(), BoxText(folder.path()));
    QCOMPARE(window->SourceFolder(), QDir::toNativeSeparators(QDir::rootPath()));
}

void Unit_Main_test::destinationIsShownFolderNotTypedText() {
    QTemporaryDir shown;
    QTemporaryDir typed;
    WriteFile(shown.filePath("A.REK"), "a");
    auto window = NewWindow();
    Recorder recorder;
    window->SetBatchRunner(recorder.runner());
    Apply(window->edt_1, window->btn_SourceChange, shown.path());
    Apply(window->edt_2, window->btn_DestChange, shown.path());
    QVERIFY(WaitForNames(window->lv_1, {"A.REK"}));
    SelectRows(window->lv_1, {"A.REK"});
    window->edt_2->setText(BoxText(typed.path()));

    window->btn_Sprzedaz->click();

    QCOMPARE(recorder.requests.size(), std::size_t{1});
    QCOMPARE(QString::fromStdU16String(recorder.requests[0].destDir.u16string()),
             BoxText(shown.path()));
    QCOMPARE(recorder.requests[0].sources, std::vector<std::filesystem::path>{std::filesystem::path(
                                               BoxText(shown.filePath("A.REK")).toStdU16String())});
}

void Unit_Main_test::browseDialogSetsBoxAndRefreshes_data() {
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed: the folder chosen") << true;
    QTest::newRow("cancelled: the folder it started in") << false;
}

void Unit_Main_test::browseDialogSetsBoxAndRefreshes() {
    QFETCH(bool, confirm);
    QTemporaryDir start;
    QTemporaryDir chosen;
    auto window = NewWindow();
    window->edt_1->setText(BoxText(start.path()));  // typed, not applied
    QString startedIn;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            return;
        }
        answer.stop();
        startedIn = dialog->directory().absolutePath();
        if (confirm) {
            dialog->setDirectory(chosen.path());
            static_cast<QDialog*>(dialog)->accept();
        } else {
            dialog->reject();
        }
    });
    answer.start(10);

    window->edt_1->findChild<QAction*>("edt_1Browse")->trigger();

    QCOMPARE(startedIn, QDir(start.path()).absolutePath());
    const QString expected = BoxText(confirm ? chosen.path() : start.path());
    QCOMPARE(window->edt_1->text(), expected);
    QCOMPARE(window->SourceFolder(), expected);
}

void Unit_Main_test::resizeArrangesLists() {
    auto window = NewWindow();
    QCOMPARE(window->pnl_9->width(), window->pnl_1->width() / 2);  // as first shown
    window->lv_2->setColumnWidth(0, 300);
    window->spl2->setSizes({100, 600});

    window->resize(1001, 700);

    QCOMPARE(window->pnl_9->width(), window->pnl_1->width() / 2);
    for (QTableView* list : {window->lv_1, window->lv_2}) {
        QCOMPARE(list->columnWidth(0), 130);
        QCOMPARE(list->columnWidth(1), 70);
        QVERIFY(list->isColumnHidden(2));
    }
}

// Sizes against names: C 100 bytes, A 300, B 200.
void Unit_Main_test::sortingOneListLeavesTheOther() {
    QTemporaryDir folder;
    WriteFile(folder.filePath("A.REK"), QByteArray(300, 'a'));
    WriteFile(folder.filePath("B.REK"), QByteArray(200, 'b'));
    WriteFile(folder.filePath("C.REK"), QByteArray(100, 'c'));
    auto window = NewWindow();
    Apply(window->edt_1, window->btn_SourceChange, folder.path());
    window->btn_1->click();
    QVERIFY(WaitForNames(window->lv_1, {"A.REK", "B.REK", "C.REK"}));
    QVERIFY(WaitForNames(window->lv_2, {"A.REK", "B.REK", "C.REK"}));

    for (int click = 0; click < 2; ++click) {  // a second click sorts ascending again
        ClickHeader(window->lv_2, 1);
        QVERIFY(WaitForNames(window->lv_2, {"C.REK", "B.REK", "A.REK"}));
    }
    QCOMPARE(ShownNames(window->lv_1), (QStringList{"A.REK", "B.REK", "C.REK"}));
    QVERIFY(!window->lv_2->horizontalHeader()->isSortIndicatorShown());
}

void Unit_Main_test::batchTakesRowsInShownOrder() {
    QTemporaryDir folder;
    WriteFile(folder.filePath("A.REK"), QByteArray(300, 'a'));
    WriteFile(folder.filePath("B.REK"), QByteArray(200, 'b'));
    WriteFile(folder.filePath("C.REK"), QByteArray(100, 'c'));
    auto window = NewWindow();
    Recorder recorder;
    window->SetBatchRunner(recorder.runner());
    Apply(window->edt_1, window->btn_SourceChange, folder.path());
    QVERIFY(WaitForNames(window->lv_1, {"A.REK", "B.REK", "C.REK"}));
    ClickHeader(window->lv_1, 1);
    QVERIFY(WaitForNames(window->lv_1, {"C.REK", "B.REK", "A.REK"}));
    SelectRows(window->lv_1, {"A.REK", "C.REK"});  // selected in another order than shown

    window->btn_Copy->click();

    QCOMPARE(recorder.requests.size(), std::size_t{1});
    std::vector<std::filesystem::path> expected;
    for (const char* name : {"C.REK", "A.REK"}) {
        expected.emplace_back(BoxText(folder.filePath(name)).toStdU16String());
    }
    QCOMPARE(recorder.requests[0].sources, expected);
}

void Unit_Main_test::askShowsModalBox_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<DialogIcon>("icon");
    QTest::addColumn<DialogButtons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("press");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QMessageBox::Icon>("shownIcon");
    QTest::addColumn<DialogAnswer>("answer");
    QTest::newRow("warning, Yes") << "Plik X już istnieje!\rCzy na pewno go nadpisać?!"
                                  << DialogIcon::Warning << DialogButtons::YesNo << QMessageBox::Yes
                                  << "Plik X już istnieje!\nCzy na pewno go nadpisać?!"
                                  << QMessageBox::Warning << DialogAnswer::Yes;
    QTest::newRow("question, No") << "a\rb\rc" << DialogIcon::Question << DialogButtons::YesNo
                                  << QMessageBox::No << "a\nb\nc" << QMessageBox::Question
                                  << DialogAnswer::No;
    QTest::newRow("error, OK") << "Błąd konwersji." << DialogIcon::Error << DialogButtons::Ok
                               << QMessageBox::Ok << "Błąd konwersji." << QMessageBox::Critical
                               << DialogAnswer::Ok;
    QTest::newRow("text that looks like markup")
        << "<b>a</b>" << DialogIcon::Warning << DialogButtons::Ok << QMessageBox::Ok << "<b>a</b>"
        << QMessageBox::Warning << DialogAnswer::Ok;
}

void Unit_Main_test::askShowsModalBox() {
    QFETCH(QString, text);
    QFETCH(DialogIcon, icon);
    QFETCH(DialogButtons, buttons);
    QFETCH(QMessageBox::StandardButton, press);
    QFETCH(QString, shown);
    QFETCH(QMessageBox::Icon, shownIcon);
    QFETCH(DialogAnswer, answer);
    Tfrm_Main window(Edition::Standard);
    BoxAnswerer answerer({press});

    const DialogAnswer given = window.Ask(text.toStdString(), "Pytanie zasadnicze", icon, buttons);

    QCOMPARE(given, answer);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen()[0].caption, QStringLiteral("Pytanie zasadnicze"));
    QCOMPARE(answerer.seen()[0].text, shown);
    QCOMPARE(answerer.seen()[0].icon, shownIcon);
    QCOMPARE(answerer.seen()[0].buttons, buttons == DialogButtons::Ok
                                             ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                             : QMessageBox::Yes | QMessageBox::No);
}

void Unit_Main_test::yesNoBoxLeavesOnlyByItsButtons() {
    Tfrm_Main window(Edition::Standard);
    BoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok}, true);

    QCOMPARE(window.Ask("?", "Błąd", DialogIcon::Warning, DialogButtons::YesNo), DialogAnswer::Yes);
    QCOMPARE(window.Ask("!", "Błąd", DialogIcon::Warning, DialogButtons::Ok), DialogAnswer::Ok);

    QCOMPARE(answerer.seen().size(), 2);
    QCOMPARE(answerer.seen()[0].leftByEscapeOrClose, false);
    QCOMPARE(answerer.seen()[1].leftByEscapeOrClose, true);  // an OK box: Escape answers OK
}

void Unit_Main_test::fullStopRule_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "Cannot open file"
                           << "Cannot open file.";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("full stop") << "Done."
                               << "Done.";
    QTest::newRow("exclamation mark") << "Nie można!"
                                      << "Nie można!";
    QTest::newRow("closing parenthesis") << "Denied (13)"
                                         << "Denied (13)";
    QTest::newRow("quotation mark") << "Error setting path: \"x\""
                                    << "Error setting path: \"x\"";
    QTest::newRow("comma, below the full stop") << "a,"
                                                << "a,";
    QTest::newRow("hyphen, below the full stop") << "a-"
                                                 << "a-";
    QTest::newRow("blank") << "a "
                           << "a ";
    QTest::newRow("slash, above the full stop") << "/dane/"
                                                << "/dane/.";
    QTest::newRow("digit") << "Kod 5"
                           << "Kod 5.";
    QTest::newRow("Polish letter") << "Błąd zapisu pliku ADRESY.REK: brak miejsca na dysku"
                                   << "Błąd zapisu pliku ADRESY.REK: brak miejsca na dysku.";
}

void Unit_Main_test::fullStopRule() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(WithFullStop(message), shown);
}

void Unit_Main_test::programTitle_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("standard") << "/usr/bin/konwpl"
                              << "konwpl";
    QTest::newRow("export") << "/usr/bin/konwpl-eksport"
                            << "konwpl-eksport";
    QTest::newRow("Windows, capitals") << "C:/Program Files/konwpl/KONWPL.EXE"
                                       << "Konwpl";
    QTest::newRow("mixed case") << "C:/KV/KonwPL-Eksport.exe"
                                << "Konwpl-eksport";
    QTest::newRow("first letter small") << "/opt/kONWPL.exe"
                                        << "konwpl";
    QTest::newRow("Polish capitals") << "/opt/ŁÓDŹ.EXE"
                                     << "Łódź";
}

void Unit_Main_test::programTitle() {
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(ProgramTitle(path), title);
}

void Unit_Main_test::batchErrorsReachErrorHandler_data() {
    QTest::addColumn<bool>("fileError");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("file error") << true << "Cannot open file /dane/ADRESY.REK: Permission denied"
                                << "Cannot open file /dane/ADRESY.REK: Permission denied.";
    QTest::newRow("other error") << false << "Brak pamięci!"
                                 << "Brak pamięci!";
}

void Unit_Main_test::batchErrorsReachErrorHandler() {
    QFETCH(bool, fileError);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    Tfrm_Main window(Edition::Standard);
    window.SetBatchRunner([&](const BatchRequest&, UserDialog&, ConvertText&) {
        if (fileError) {
            throw FileError(message.toStdString(), std::make_error_code(std::errc::io_error));
        }
        throw std::runtime_error(message.toStdString());
    });
    BoxAnswerer answerer;

    window.btn_Adresy->click();

    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen()[0].caption, ProgramTitle());
    QCOMPARE(ProgramTitle(), QStringLiteral("Unit_main_test"));
    QCOMPARE(answerer.seen()[0].text, shown);
    QCOMPARE(answerer.seen()[0].icon, QMessageBox::Critical);
    QCOMPARE(answerer.seen()[0].buttons, QMessageBox::Ok);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY(window.isEnabled());
}

QTEST_MAIN(Unit_Main_test)
#include "Unit_Main_test.moc"
