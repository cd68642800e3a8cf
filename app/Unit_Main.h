// Unit_Main: the main window, the program's whole working surface. The source list and the
// destination list side by side, the two encoding selectors and one button per kind of KV720
// file. A type button hands the window's state to the batch driver; the window holds no
// conversion logic of its own, it asks the user the driver's questions and converts text with
// the chosen encodings.
#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include <QWidget>

#include "convert/Batch.h"
#include "convert/JobInterfaces.h"
#include "records/REKORDY.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTableView;
class Tfrm_Pomoc;
class Tfrm_about;

class Tfrm_Main : public QWidget, public konwpl::UserDialog, public konwpl::ConvertText {
    Q_OBJECT

public:
    // What a type button calls; konwpl::RunBatch unless a test puts a recorder in its place.
    using BatchRunner =
        std::function<void(const konwpl::BatchRequest&, konwpl::UserDialog&, konwpl::ConvertText&)>;

    explicit Tfrm_Main(konwpl::Edition edition, QWidget* parent = nullptr);

    konwpl::Edition edition() const { return edition_; }
    void SetBatchRunner(BatchRunner runner) { runBatch_ = std::move(runner); }

    // The folder each list shows, as its text was last applied: the destination of every
    // conversion is the folder lv_2 shows, never a text typed into edt_2 and not yet applied.
    const QString& SourceFolder() const { return lv_1Folder; }
    const QString& DestinationFolder() const { return lv_2Folder; }
    // The selected rows of lv_1, from the first row shown to the last.
    std::vector<std::filesystem::path> SelectedSources() const;

    // konwpl::UserDialog: a modal box over every window of the program.
    konwpl::DialogAnswer Ask(const std::string& text, const std::string& caption,
                             konwpl::DialogIcon icon, konwpl::DialogButtons buttons) override;
    // konwpl::ConvertText: from the encoding chosen in cbb_1 to the one in cbb_2, read anew at
    // every call.
    void Convert(std::span<std::uint8_t> text) override;

    // The controls, by the names the program has always given them (as a form's published
    // fields; the tests find them by the same names).
    QFrame* pnl_1;  // fills the window
    QFrame* pnl_7;  // fills pnl_1
    QFrame* pnl_8;  // bottom strip: encodings and buttons
    QSplitter* spl2;
    QFrame* pnl_9;   // source side
    QFrame* pnl_11;  // its header
    QLabel* lbl_1;
    QLineEdit* edt_1;
    QPushButton* btn_SourceChange;
    QLabel* lbl_6;  // the two hints beside btn_SourceChange
    QTableView* lv_1;
    QFrame* pnl_10;  // destination side
    QFrame* Panel2;  // its header
    QLabel* lbl_2;
    QLineEdit* edt_2;
    QPushButton* btn_DestChange;
    QPushButton* btn_1;
    QTableView* lv_2;
    QFrame* pnl_12;  // encoding strip
    QLabel* lbl_3;
    QLabel* lbl_4;
    QComboBox* cbb_1;
    QLabel* lbl_5;
    QComboBox* cbb_2;

    QPushButton* btn_Sprzedaz;
    QPushButton* btn_KorektySp;
    QPushButton* btn_Generator;
    QPushButton* btn_Nota;
    QPushButton* btn_Magazyn;
    QPushButton* btn_Wyroby;
    QPushButton* btn_Zam;
    QPushButton* btn_Reklamacje;
    QPushButton* btn_PZ;
    QPushButton* btn_Zakupy;
    QPushButton* btn_KPKW;
    QPushButton* btn_Banki;
    QPushButton* btn_OperBanki;
    QPushButton* btn_RRK;
    QPushButton* btn_Przekazy;
    QPushButton* btn_Adresy;
    QPushButton* btn_Konfig;
    QPushButton* btn_Remanent;
    QPushButton* btn_KonwBin;
    QPushButton* btn_Copy;
    QPushButton* btn_O;
    QPushButton* btn_Pomoc;

    Tfrm_about* frm_about;
    Tfrm_Pomoc* frm_Pomoc;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPanels();
    void createSourceSide();
    void createDestinationSide();
    void createEncodingStrip();
    void createButtonGrid();
    void FormCreate();

    void ArrangeLists();
    void RefreshList(QLineEdit* box, QTableView* list, QString& shownFolder);
    void btn_SourceChangeClick();
    void btn_DestChangeClick();
    void btn_1Click();
    void edt_1AfterDialog(const QString& folder);
    void edt_2AfterDialog(const QString& folder);
    QString ChooseFolder(const QString& start);
    void lv_1ColumnClick(int column);
    void lv_2ColumnClick(int column);
    void TypeButtonClick(konwpl::TTypDokumentu type);
    void btn_OClick();
    void btn_PomocClick();

    konwpl::Edition edition_;
    BatchRunner runBatch_;
    QString lv_1Folder;
    QString lv_2Folder;
    int SortColumn = 0;  // the header last clicked, in either list
};
