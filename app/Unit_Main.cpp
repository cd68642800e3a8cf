#include "app/Unit_Main.h"

#include <algorithm>
#include <exception>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "app/Fonts.h"
#include "app/MessageBoxes.h"
#include "app/about/Unit_about.h"
#include "app/help/Unit_Help.h"
#include "charset/PlLetters.h"
#include "convert/FileError.h"

using namespace konwpl;

namespace {

const QString kCaption = QStringLiteral("Konwersja polskich znaków KV720");
const QString kExportSuffix = QStringLiteral(" WERSJA EKSPORT+UE");
const QColor kMaroon(0x80, 0x00, 0x00);

// The file lists' columns as the file system model gives them.
enum ListColumn { kNameColumn = 0, kSizeColumn = 1, kTypeColumn = 2, kDateColumn = 3 };
constexpr int kNameWidth = 130;
constexpr int kSizeWidth = 70;

// The folder both lists start in, and how its box spells it: the root of the system drive,
// "c:\" in the box and "C:\" in the list on Windows, "/" elsewhere.
struct StartFolder {
    QString boxText;
    QString listFolder;
};

StartFolder SystemDriveRoot() {
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    return {root.toLower(), root.toUpper()};
}

// A folder box's text as the folder of a list: on Windows a bare drive ("D:") means its root.
QString FolderOfText(const QString& text) {
#ifdef Q_OS_WIN
    if (text.endsWith(QLatin1Char(':'))) {
        return text + QLatin1Char('\\');
    }
#endif
    return text;
}

std::filesystem::path PathOf(const QString& text) {
    return std::filesystem::path(QDir::toNativeSeparators(text).toStdU16String());
}

// The list is read again only for another folder. A text that differs from the shown folder
// only in the case of the letters A to Z keeps the list where both name one folder (always so
// on Windows); where letter case tells folders apart, /data/kv and /data/KV are two folders,
// and keeping the list would leave the user converting into the one not asked for.
bool SameFolderText(const QString& a, const QString& b) {
    if (a == b) {
        return true;
    }
    if (a.size() != b.size()) {
        return false;
    }
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? c - u'a' + u'A' : c; };
        if (upper(x) != upper(y)) {
            return false;
        }
    }
    std::error_code error;
    return std::filesystem::equivalent(PathOf(a), PathOf(b), error) && !error;
}

void Colour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QFrame* NewPanel(QWidget* parent, const char* name, int shadow = QFrame::Sunken) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | shadow);
    return panel;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// A folder box with its browse button inside, as the folder edit boxes of the Windows programs
// have it.
QLineEdit* NewFolderBox(QWidget* parent, const char* name, int width, const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setMaximumWidth(width);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* browse = new QAction(box->style()->standardIcon(QStyle::SP_DirOpenIcon), QString(), box);
    browse->setObjectName(QLatin1String(name) + QLatin1String("Browse"));
    box->addAction(browse, QLineEdit::TrailingPosition);
    return box;
}

QAction* BrowseAction(const QLineEdit* box) {
    return box->findChild<QAction*>(box->objectName() + QLatin1String("Browse"));
}

// The rows of a file list: the files of the folder its file system model is rooted in. The
// model itself keeps the folders on the way there (were they filtered out of it, the list would
// lose its place whenever the model re-read a parent folder); they are never rows of the list.
// Rows are ordered by CompareByColumn, and stay in that order as files come and go.
class FolderFiles : public QSortFilterProxyModel {
public:
    FolderFiles(QFileSystemModel* files, QObject* parent)
        : QSortFilterProxyModel(parent), files_(files) {
        setSourceModel(files);
        setDynamicSortFilter(true);
    }

    QFileSystemModel* files() const { return files_; }

    // Fills the list anew with the files of `path`, in the order of their names; returns the
    // folder as the list's root.
    QModelIndex ShowFolder(const QString& path) {
        files_->setRootPath(path);
        shown_ = files_->index(path);
        invalidateFilter();
        sort(kNameColumn, Qt::AscendingOrder);
        return mapFromSource(files_->index(path));
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        return parent != shown_ || !files_->isDir(files_->index(row, kNameColumn, parent));
    }

    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override {
        return CompareByColumn(a, b) < 0;
    }

private:
    // Names and types as text without regard to case, sizes as numbers, dates as points in time.
    int CompareByColumn(const QModelIndex& a, const QModelIndex& b) const {
        switch (a.column()) {
            case kSizeColumn:
                return Compare(files_->size(a), files_->size(b));
            case kTypeColumn:
                return QString::compare(files_->type(a), files_->type(b), Qt::CaseInsensitive);
            case kDateColumn:
                return Compare(files_->lastModified(a), files_->lastModified(b));
            default:
                return QString::compare(files_->fileName(a), files_->fileName(b),
                                        Qt::CaseInsensitive);
        }
    }
    template <class T>
    static int Compare(const T& a, const T& b) {
        return a < b ? -1 : (b < a ? 1 : 0);
    }

    QFileSystemModel* files_;
    QPersistentModelIndex shown_;
};

FolderFiles* ModelOf(const QTableView* list) {
    return static_cast<FolderFiles*>(list->model());
}

// A report view of the files of one folder: hidden and system files included, no folders,
// grid lines, whole rows selected, several at once with Ctrl and Shift. The selection stays
// visible when the list loses the focus, so that the user sees what a button will take.
QTableView* NewFileList(QWidget* parent, const char* name) {
    auto* list = new QTableView(parent);
    list->setObjectName(QLatin1String(name));
    auto* files = new QFileSystemModel(list);
    files->setObjectName(QLatin1String(name) + QLatin1String("Files"));
    files->setFilter(QDir::Files | QDir::AllDirs | QDir::Hidden | QDir::System |
                     QDir::NoDotAndDotDot);
    files->setNameFilterDisables(false);
    files->setReadOnly(true);
    list->setModel(new FolderFiles(files, list));

    list->setShowGrid(true);
    list->setWordWrap(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSortingEnabled(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
    QHeaderView* header = list->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setStretchLastSection(true);

    QPalette palette = list->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    list->setPalette(palette);
    return list;
}

void ShowFolder(QTableView* list, const QString& folder) {
    list->selectionModel()->clear();
    list->setRootIndex(ModelOf(list)->ShowFolder(QFileInfo(folder).absoluteFilePath()));
}

// The buttons under the encoding strip. Each edition has its own table, in the order of the
// rows from top to bottom and, within a row, from left to right; one loop builds either.
enum class Press { Batch, About, Help };

struct Action {
    constexpr Action(TTypDokumentu code) : press(Press::Batch), type(code) {}
    constexpr Action(Press shows) : press(shows), type(tdNone) {}
    Press press;
    TTypDokumentu type;  // what a Batch button hands to RunBatch
};

struct GridButton {
    int row;
    QPushButton* Tfrm_Main::*control;
    const char* name;
    const char* caption;  // UTF-8
    Action action;
    int width;
};

using M = Tfrm_Main;
constexpr int kUsual = 104;
constexpr int kNarrow = 77;
constexpr int kWide = 219;
constexpr int kButtonHeight = 24;

// clang-format off
constexpr GridButton kStandardButtons[] = {
    {1, &M::btn_Sprzedaz,   "btn_Sprzedaz",   "Sprzedaż",            tdSprzedaz,   kUsual},
    {1, &M::btn_Nota,       "btn_Nota",       "Noty korygujące",     tdNota,       kUsual},
    {1, &M::btn_Wyroby,     "btn_Wyroby",     "Wyroby",              tdWyroby,     kUsual},
    {1, &M::btn_Zakupy,     "btn_Zakupy",     "Zakupy",              tdZakup,      kNarrow},
    {1, &M::btn_OperBanki,  "btn_OperBanki",  "Operacje bankowe",    tdOperBanki,  kUsual},
    {1, &M::btn_Adresy,     "btn_Adresy",     "Adresy",              tdAdresy,     kUsual},
    {1, &M::btn_KonwBin,    "btn_KonwBin",    "Konwersja binarna",   tdCalyPlik,   kUsual},
    {1, &M::btn_Copy,       "btn_Copy",       "BEZ KONWERSJI",       tdNone,       kUsual},
    {2, &M::btn_KorektySp,  "btn_KorektySp",  "Korekty sprzedaży",   tdSpKorekta,  kUsual},
    {2, &M::btn_Magazyn,    "btn_Magazyn",    "Magazyn",             tdMagazyn,    kUsual},
    {2, &M::btn_Reklamacje, "btn_Reklamacje", "Reklamacje",          tdReklam,     kUsual},
    {2, &M::btn_KPKW,       "btn_KPKW",       "KP, KW",              tdKpKw,       kNarrow},
    {2, &M::btn_RRK,        "btn_RRK",        "Rej. Rap. Kasowego",  tdRRK,        kUsual},
    {2, &M::btn_Konfig,     "btn_Konfig",     "Konfiguracja",        tdKonfig,     kUsual},
    {2, &M::btn_O,          "btn_O",          "O programie ...",     Press::About, kUsual},
    {3, &M::btn_Generator,  "btn_Generator",  "Generator faktur",    tdGenerator,  kUsual},
    {3, &M::btn_Zam,        "btn_Zam",        "Zamówienia",          tdZam,        kUsual},
    {3, &M::btn_PZ,         "btn_PZ",         "PZ,WZ,MM,PW",         tdRuch,       kUsual},
    {3, &M::btn_Banki,      "btn_Banki",      "Banki",               tdBanki,      kNarrow},
    {3, &M::btn_Przekazy,   "btn_Przekazy",   "Przekazy pieniężne",  tdPrzekazy,   kUsual},
    {3, &M::btn_Remanent,   "btn_Remanent",   "Remanent",            tdRemanent,   kUsual},
    {3, &M::btn_Pomoc,      "btn_Pomoc",      "POMOC",               Press::Help,  kUsual},
};

// The export edition names several buttons after the file they take.
constexpr GridButton kExportButtons[] = {
    {1, &M::btn_Sprzedaz,   "btn_Sprzedaz",   "Sprzedaż",            tdSprzedaz,   kUsual},
    {1, &M::btn_Nota,       "btn_Nota",       "Noty korygujące",     tdNota,       kUsual},
    {1, &M::btn_Wyroby,     "btn_Wyroby",     "Wyroby.REK",          tdWyroby,     kUsual},
    {1, &M::btn_Zakupy,     "btn_Zakupy",     "Zakupy",              tdZakup,      kNarrow},
    {1, &M::btn_Przekazy,   "btn_Przekazy",   "Przekazy pieniężne (np.pbank.rek)",
                                                                     tdPrzekazy,   kWide},
    {1, &M::btn_Adresy,     "btn_Adresy",     "Adresy",              tdAdresy,     kUsual},
    {1, &M::btn_Copy,       "btn_Copy",       "BEZ KONWERSJI",       tdNone,       kUsual},
    {2, &M::btn_KorektySp,  "btn_KorektySp",  "Korekty sprzedaży",   tdSpKorekta,  kUsual},
    {2, &M::btn_Magazyn,    "btn_Magazyn",    "Towar.REK",           tdMagazyn,    kUsual},
    {2, &M::btn_Reklamacje, "btn_Reklamacje", "Reklamacje",          tdReklam,     kUsual},
    {2, &M::btn_KPKW,       "btn_KPKW",       "KP, KW",              tdKpKw,       kNarrow},
    {2, &M::btn_RRK,        "btn_RRK",        "Kasa.REK",            tdRRK,        kUsual},
    {2, &M::btn_Konfig,     "btn_Konfig",     "KV720.CNF",           tdKonfig,     kUsual},
    {2, &M::btn_KonwBin,    "btn_KonwBin",    "Konwersja binarna",   tdCalyPlik,   kUsual},
    {2, &M::btn_O,          "btn_O",          "O programie ...",     Press::About, kUsual},
    {3, &M::btn_Generator,  "btn_Generator",  "Szablon.REK",         tdGenerator,  kUsual},
    {3, &M::btn_Zam,        "btn_Zam",        "Zamówienia",          tdZam,        kUsual},
    {3, &M::btn_PZ,         "btn_PZ",         "PZ,WZ,MM,PW",         tdRuch,       kUsual},
    {3, &M::btn_Banki,      "btn_Banki",      "Banki.REK",           tdBanki,      kNarrow},
    {3, &M::btn_OperBanki,  "btn_OperBanki",  "Oper.bankowe (dla banków w Banki.REK)",
                                                                     tdOperBanki,  kWide},
    {3, &M::btn_Remanent,   "btn_Remanent",   "Remanent (*.rem)",    tdRemanent,   kUsual},
    {3, &M::btn_Pomoc,      "btn_Pomoc",      "POMOC",               Press::Help,  kUsual},
};
// clang-format on

constexpr int kGridRows = 3;

std::span<const GridButton> ButtonsOf(Edition edition) {
    if (edition == Edition::Export) {
        return kExportButtons;
    }
    return kStandardButtons;
}

// Keeps the wait cursor up while a batch runs.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QMessageBox::Icon IconOf(DialogIcon icon) {
    switch (icon) {
        case DialogIcon::Warning:
            return QMessageBox::Warning;
        case DialogIcon::Error:
            return QMessageBox::Critical;
        case DialogIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Tfrm_Main::Tfrm_Main(Edition edition, QWidget* parent)
    : QWidget(parent),
      edition_(edition),
      runBatch_([](const BatchRequest& request, UserDialog& dialog, ConvertText& convert) {
          RunBatch(request, dialog, convert);
      }) {
    setObjectName(QStringLiteral("frm_Main"));
    setWindowTitle(kCaption);
    setFont(WindowFont());
    resize(edition == Edition::Export ? QSize(845, 673) : QSize(824, 627));

    createPanels();
    createSourceSide();
    createDestinationSide();
    createEncodingStrip();
    createButtonGrid();
    if (edition == Edition::Export) {
        FormCreate();
    }

    frm_about = new Tfrm_about(this);
    frm_Pomoc = new Tfrm_Pomoc(this);

    move(screen()->availableGeometry().center() - rect().center());
}

// pnl_1 fills the window and pnl_7 fills pnl_1; in pnl_7 the two sides share the splitter
// above the bottom strip pnl_8.
void Tfrm_Main::createPanels() {
    pnl_1 = NewPanel(this, "pnl_1");
    pnl_1->installEventFilter(this);  // pnl_1Resize
    auto* windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->addWidget(pnl_1);

    pnl_7 = NewPanel(pnl_1, "pnl_7");
    auto* pnl_1Layout = new QVBoxLayout(pnl_1);
    pnl_1Layout->setContentsMargins(1, 1, 1, 1);
    pnl_1Layout->addWidget(pnl_7);

    spl2 = new QSplitter(Qt::Horizontal, pnl_7);
    spl2->setObjectName(QStringLiteral("spl2"));
    spl2->setHandleWidth(8);
    spl2->setChildrenCollapsible(false);
    pnl_9 = NewPanel(spl2, "pnl_9", QFrame::Plain);
    pnl_9->setFrameShape(QFrame::NoFrame);
    pnl_10 = NewPanel(spl2, "pnl_10", QFrame::Plain);
    pnl_10->setFrameShape(QFrame::NoFrame);
    spl2->addWidget(pnl_9);
    spl2->addWidget(pnl_10);

    pnl_8 = NewPanel(pnl_7, "pnl_8", QFrame::Plain);
    pnl_8->setFrameShape(QFrame::NoFrame);
    pnl_8->setFixedHeight(edition_ == Edition::Export ? 121 : 115);

    auto* pnl_7Layout = new QVBoxLayout(pnl_7);
    pnl_7Layout->setContentsMargins(1, 1, 1, 1);
    pnl_7Layout->setSpacing(0);
    pnl_7Layout->addWidget(spl2, 1);
    pnl_7Layout->addWidget(pnl_8);
}

void Tfrm_Main::createSourceSide() {
    const StartFolder start = SystemDriveRoot();
    pnl_11 = NewPanel(pnl_9, "pnl_11", QFrame::Raised);
    pnl_11->setFixedHeight(78);
    lbl_1 = NewLabel(pnl_11, "lbl_1", QStringLiteral("Pliki ŹRÓDŁOWE:"));
    lbl_1->setFont(ArialFont(19, true));
    edt_1 = NewFolderBox(pnl_11, "edt_1", 385, start.boxText);
    btn_SourceChange =
        NewButton(pnl_11, "btn_SourceChange", QStringLiteral("Odśwież listę zgodnie z wyborem"));
    lbl_6 = NewLabel(pnl_11, "lbl_6",
                     QStringLiteral("1) Kliknij w nagłówki aby sortować\n2) zaznacz klika z CTRL"));
    Colour(lbl_6, kMaroon);

    auto* refreshRow = new QHBoxLayout;
    refreshRow->addWidget(btn_SourceChange);
    refreshRow->addWidget(lbl_6);
    refreshRow->addStretch();
    auto* header = new QVBoxLayout(pnl_11);
    header->setContentsMargins(4, 1, 4, 2);
    header->setSpacing(2);
    header->addWidget(lbl_1);
    header->addWidget(edt_1);
    header->addLayout(refreshRow);

    lv_1 = NewFileList(pnl_9, "lv_1");
    ShowFolder(lv_1, start.listFolder);
    lv_1Folder = start.listFolder;

    auto* side = new QVBoxLayout(pnl_9);
    side->setContentsMargins(3, 3, 3, 3);
    side->setSpacing(0);
    side->addWidget(pnl_11);
    side->addWidget(lv_1, 1);

    connect(btn_SourceChange, &QPushButton::clicked, this, &Tfrm_Main::btn_SourceChangeClick);
    connect(edt_1, &QLineEdit::returnPressed, this, &Tfrm_Main::btn_SourceChangeClick);
    connect(BrowseAction(edt_1), &QAction::triggered, this,
            [this] { edt_1AfterDialog(ChooseFolder(edt_1->text())); });
    connect(lv_1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &Tfrm_Main::lv_1ColumnClick);
}

void Tfrm_Main::createDestinationSide() {
    const StartFolder start = SystemDriveRoot();
    Panel2 = NewPanel(pnl_10, "Panel2", QFrame::Raised);
    Panel2->setFixedHeight(78);
    lbl_2 = NewLabel(Panel2, "lbl_2", QStringLiteral("Katalog DOCELOWY:"));
    lbl_2->setFont(ArialFont(19, true));
    edt_2 = NewFolderBox(Panel2, "edt_2", 353, start.boxText);
    btn_DestChange =
        NewButton(Panel2, "btn_DestChange", QStringLiteral("Odśwież listę zgodnie z wyborem"));
    btn_1 = NewButton(Panel2, "btn_1", QStringLiteral("Ustaw ten sam DIR co źródłowy"));

    auto* refreshRow = new QHBoxLayout;
    refreshRow->addWidget(btn_DestChange);
    refreshRow->addWidget(btn_1);
    refreshRow->addStretch();
    auto* header = new QVBoxLayout(Panel2);
    header->setContentsMargins(4, 1, 4, 2);
    header->setSpacing(2);
    header->addWidget(lbl_2);
    header->addWidget(edt_2);
    header->addLayout(refreshRow);

    lv_2 = NewFileList(pnl_10, "lv_2");
    ShowFolder(lv_2, start.listFolder);
    lv_2Folder = start.listFolder;

    auto* side = new QVBoxLayout(pnl_10);
    side->setContentsMargins(3, 3, 3, 3);
    side->setSpacing(0);
    side->addWidget(Panel2);
    side->addWidget(lv_2, 1);

    connect(btn_DestChange, &QPushButton::clicked, this, &Tfrm_Main::btn_DestChangeClick);
    connect(btn_1, &QPushButton::clicked, this, &Tfrm_Main::btn_1Click);
    connect(edt_2, &QLineEdit::returnPressed, this, &Tfrm_Main::btn_DestChangeClick);
    connect(BrowseAction(edt_2), &QAction::triggered, this,
            [this] { edt_2AfterDialog(ChooseFolder(edt_2->text())); });
    connect(lv_2->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &Tfrm_Main::lv_2ColumnClick);
}

// The instruction, then "ze standardu:" with the source encoding and "do" with the target one.
void Tfrm_Main::createEncodingStrip() {
    pnl_12 = NewPanel(pnl_8, "pnl_12", QFrame::Raised);
    pnl_12->setFixedHeight(43);
    pnl_12->setFont(ArialFont(16, true));
    Colour(pnl_12, kMaroon);

    lbl_3 = NewLabel(pnl_12, "lbl_3",
                     QStringLiteral("Wskaż plik źródłowy i wskaż poniżej typ tego pliku. Zostanie "
                                    "dokonana konwersja polskich znaków zgodnie z ustawieniem "
                                    "obok ===>"));
    lbl_3->setFont(ArialFont(11, false));
    lbl_3->setWordWrap(true);
    lbl_3->setFixedSize(345, 28);
    lbl_4 = NewLabel(pnl_12, "lbl_4", QStringLiteral("ze standardu:"));
    lbl_5 = NewLabel(pnl_12, "lbl_5", QStringLiteral("do"));

    cbb_1 = new QComboBox(pnl_12);
    cbb_1->setObjectName(QStringLiteral("cbb_1"));
    cbb_2 = new QComboBox(pnl_12);
    cbb_2->setObjectName(QStringLiteral("cbb_2"));
    for (QComboBox* selector : {cbb_1, cbb_2}) {
        selector->setEditable(false);
        for (const std::string_view name : kCharsetNames) {
            selector->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
        }
    }
    cbb_1->setCurrentIndex(1);  // MAZovia
    cbb_2->setCurrentIndex(0);  // CP-852

    auto* strip = new QHBoxLayout(pnl_12);
    strip->setContentsMargins(6, 2, 6, 2);
    strip->setSpacing(8);
    strip->addWidget(lbl_3);
    strip->addSpacing(8);
    strip->addWidget(lbl_4);
    strip->addWidget(cbb_1);
    strip->addWidget(lbl_5);
    strip->addWidget(cbb_2);
    strip->addStretch();
}

void Tfrm_Main::createButtonGrid() {
    auto* grid = new QVBoxLayout(pnl_8);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(pnl_12);
    QHBoxLayout* rows[kGridRows];
    for (QHBoxLayout*& row : rows) {
        row = new QHBoxLayout;
        row->setContentsMargins(2, 0, 2, 0);
        row->setSpacing(1);
        grid->addLayout(row);
    }

    for (const GridButton& entry : ButtonsOf(edition_)) {
        QPushButton* button = NewButton(pnl_8, entry.name, QString::fromUtf8(entry.caption));
        this->*entry.control = button;
        button->setFixedSize(entry.width, kButtonHeight);
        // The copy without conversion and the help stand out in both editions.
        if (entry.control == &M::btn_Copy || entry.control == &M::btn_Pomoc) {
            QFont bold = button->font();
            bold.setBold(true);
            button->setFont(bold);
        }
        switch (entry.action.press) {
            case Press::Batch:
                connect(button, &QPushButton::clicked, this,
                        [this, type = entry.action.type] { TypeButtonClick(type); });
                break;
            case Press::About:
                connect(button, &QPushButton::clicked, this, &Tfrm_Main::btn_OClick);
                break;
            case Press::Help:
                connect(button, &QPushButton::clicked, this, &Tfrm_Main::btn_PomocClick);
                break;
        }
        rows[entry.row - 1]->addWidget(button);
    }
    for (QHBoxLayout* row : rows) {
        row->addStretch();
    }
}

void Tfrm_Main::FormCreate() {
    setWindowTitle(windowTitle() + kExportSuffix);
}

bool Tfrm_Main::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pnl_1 && event->type() == QEvent::Resize) {
        ArrangeLists();  // pnl_1Resize
    }
    return QWidget::eventFilter(watched, event);
}

// Half the width to each side, and the columns back to name 130, size 70 and type hidden,
// whatever the user dragged.
void Tfrm_Main::ArrangeLists() {
    const int half = pnl_1->width() / 2;
    // The splitter's own width may not be laid out yet when pnl_1 reports its new size (the
    // first show); the width it is about to get is pnl_7's inside.
    const int sides =
        pnl_7->contentsRect().marginsRemoved(pnl_7->layout()->contentsMargins()).width();
    spl2->setSizes({half, std::max(0, sides - spl2->handleWidth() - half)});
    for (QTableView* list : {lv_1, lv_2}) {
        list->setColumnWidth(kNameColumn, kNameWidth);
        list->setColumnWidth(kSizeColumn, kSizeWidth);
        list->setColumnHidden(kTypeColumn, true);
    }
}

void Tfrm_Main::RefreshList(QLineEdit* box, QTableView* list, QString& shownFolder) {
    const QString folder = FolderOfText(box->text());
    if (!SameFolderText(folder, shownFolder)) {
        const QFileInfo info(folder);
        if (!info.isDir() || !info.isReadable()) {
            // The list keeps its folder and the box the text that failed.
            ShowException(this, QStringLiteral("Error setting path: \"%1\"").arg(box->text()));
            return;
        }
        ShowFolder(list, folder);
        shownFolder = folder;
    }
    ArrangeLists();
}

void Tfrm_Main::btn_SourceChangeClick() {
    RefreshList(edt_1, lv_1, lv_1Folder);
}

void Tfrm_Main::btn_DestChangeClick() {
    RefreshList(edt_2, lv_2, lv_2Folder);
}

// The source box's text as it stands, applied or not, becomes the destination.
void Tfrm_Main::btn_1Click() {
    edt_2->setText(edt_1->text());
    btn_DestChangeClick();
}

void Tfrm_Main::edt_1AfterDialog(const QString& folder) {
    edt_1->setText(folder);
    btn_SourceChangeClick();
}

void Tfrm_Main::edt_2AfterDialog(const QString& folder) {
    edt_2->setText(folder);
    btn_DestChangeClick();
}

// The folder the user picks, starting in the box's folder; on cancel the folder it started in.
QString Tfrm_Main::ChooseFolder(const QString& start) {
    const QString chosen = QFileDialog::getExistingDirectory(this, QString(), start);
    return chosen.isEmpty() ? start : QDir::toNativeSeparators(chosen);
}

// Always ascending, with no sort mark: a second click sorts the same way again.
void Tfrm_Main::lv_1ColumnClick(int column) {
    SortColumn = column;
    ModelOf(lv_1)->sort(SortColumn, Qt::AscendingOrder);
}

void Tfrm_Main::lv_2ColumnClick(int column) {
    SortColumn = column;
    ModelOf(lv_2)->sort(SortColumn, Qt::AscendingOrder);
}

std::vector<std::filesystem::path> Tfrm_Main::SelectedSources() const {
    const QModelIndex shown = lv_1->rootIndex();
    QModelIndexList rows = lv_1->selectionModel()->selectedRows(kNameColumn);
    // A selection left over from another folder is not what the user sees.
    rows.removeIf([&](const QModelIndex& row) { return row.parent() != shown; });
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<std::filesystem::path> sources;
    sources.reserve(std::size_t(rows.size()));
    const FolderFiles* files = ModelOf(lv_1);
    for (const QModelIndex& row : rows) {
        sources.push_back(PathOf(files->files()->filePath(files->mapToSource(row))));
    }
    return sources;
}

// The batch runs inside the click; its first file-system failure ends it and reaches the
// general error handler, and the window goes on as it was.
void Tfrm_Main::TypeButtonClick(TTypDokumentu type) {
    const BatchRequest request{type, SelectedSources(), PathOf(lv_2Folder), edition_};
    try {
        const WaitCursor wait;
        runBatch_(request, *this, *this);
    } catch (const FileError& error) {
        ShowException(this, QString::fromUtf8(error.what()));
    } catch (const std::exception& error) {
        ShowException(this, QString::fromUtf8(error.what()));
    }
}

void Tfrm_Main::btn_OClick() {
    frm_about->exec();
}

void Tfrm_Main::btn_PomocClick() {
    frm_Pomoc->exec();
}

DialogAnswer Tfrm_Main::Ask(const std::string& text, const std::string& caption, DialogIcon icon,
                            DialogButtons buttons) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    switch (ShowModalBox(this, QString::fromStdString(caption), shown, IconOf(icon), buttons)) {
        case QMessageBox::Yes:
            return DialogAnswer::Yes;
        case QMessageBox::No:
            return DialogAnswer::No;
        default:
            return DialogAnswer::Ok;
    }
}

void Tfrm_Main::Convert(std::span<std::uint8_t> text) {
    ConvertTextWithSelectors(cbb_1->currentIndex(), cbb_2->currentIndex(), text);
}
