// Draws the program's windows into PNG files, so that their look can be reviewed without a
// display: both editions' main windows with a folder of sample files listed, the help window
// and the About window. Run offscreen (QT_QPA_PLATFORM=offscreen) by the "screenshots" target;
// the one argument is the folder for the pictures.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

#include "app/Unit_Main.h"
#include "app/about/Unit_about.h"
#include "app/help/Unit_Help.h"

namespace {

struct SampleFile {
    const char* name;
    qint64 size;
};

// A few files as a KV720 data folder holds them, whole records each.
constexpr SampleFile kSamples[] = {
    {"ADRESY.REK", 557 * 12},   {"DOSTAWCY.REK", 557 * 3}, {"FAKT2008.REK", 4642 * 25},
    {"KASA.REK", 131 * 40},     {"KV720.CNF", 3299},       {"NOTA2008.REK", 2254 * 2},
    {"TOWAR.REK", 463 * 120},   {"ZAKUPY.REK", 3941 * 7},  {"SZABLON.REK", 5341},
    {"ZAMK2008.REK", 4597 * 4},
};

bool WaitUntil(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(5000);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

int ShownRows(const QTableView* list) {
    return list->model()->rowCount(list->rootIndex());
}

bool Save(QWidget* window, const QDir& folder, const QString& name) {
    window->show();
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool saved = window->grab().save(path);
    QTextStream(stdout) << (saved ? "saved " : "could not save ") << path << '\n';
    return saved;
}

bool SaveMainWindow(konwpl::Edition edition, const QString& samples, const QDir& folder,
                    const QString& name) {
    Tfrm_Main window(edition);
    window.edt_1->setText(QDir::toNativeSeparators(samples));
    window.btn_SourceChange->click();
    window.btn_1->click();
    window.show();
    const int count = int(std::size(kSamples));
    if (!WaitUntil(
            [&] { return ShownRows(window.lv_1) == count && ShownRows(window.lv_2) == count; })) {
        QTextStream(stderr) << "the sample folder did not load\n";
        return false;
    }
    // The list sorts its rows by name once they are in; give it the moment it takes.
    WaitUntil([deadline = QDeadlineTimer(300)] { return deadline.hasExpired(); });
    // Two rows selected, with the focus elsewhere, as they look before a button is pressed.
    const QModelIndex root = window.lv_1->rootIndex();
    for (const int row : {0, 2}) {
        window.lv_1->selectionModel()->select(
            window.lv_1->model()->index(row, 0, root),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    window.btn_Adresy->setFocus();
    QApplication::processEvents();
    const bool saved = Save(&window, folder, name);
    Save(window.frm_Pomoc, folder, QStringLiteral("help.png"));
    Save(window.frm_about, folder, QStringLiteral("about.png"));
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    if (!QDir().mkpath(folder.path())) {
        QTextStream(stderr) << "cannot create " << folder.path() << '\n';
        return 1;
    }
    QTemporaryDir samples;
    for (const SampleFile& sample : kSamples) {
        QFile file(QDir(samples.path()).filePath(QString::fromLatin1(sample.name)));
        if (!file.open(QIODevice::WriteOnly) || !file.resize(sample.size)) {
            QTextStream(stderr) << "cannot write " << file.fileName() << '\n';
            return 1;
        }
    }
    const bool standard = SaveMainWindow(konwpl::Edition::Standard, samples.path(), folder,
                                         QStringLiteral("main-standard.png"));
    const bool exported = SaveMainWindow(konwpl::Edition::Export, samples.path(), folder,
                                         QStringLiteral("main-export.png"));
    return standard && exported ? 0 : 1;
}
