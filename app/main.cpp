// Start-up of konwpl and konwpl-eksport: the same window, the edition chosen when the program is
// built. Nothing is read at start and nothing is saved at the end: every start begins with the
// same folders and encodings.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/Unit_Main.h"

#ifdef KONWPL_EXPORT_EDITION
constexpr konwpl::Edition kEdition = konwpl::Edition::Export;
#else
constexpr konwpl::Edition kEdition = konwpl::Edition::Standard;
#endif

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The boxes' standard buttons and the lists' column heads speak the system's language, as the
    // system's own dialogs do; the program's own texts are Polish whatever the system.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    // The main window creates the About and help windows, hidden, after its own controls.
    Tfrm_Main frm_Main(kEdition);
    frm_Main.show();
    return QApplication::exec();
}
