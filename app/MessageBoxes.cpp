#include "app/MessageBoxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>

namespace konwpl {

namespace {

// QMessageBox would take "No" as its escape button and answer No on Escape or on its close box.
// The conversion jobs' questions have exactly two answers, so this box leaves through its
// buttons only.
class TwoButtonBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

// Gives the arrow back for as long as a box is open in the middle of a batch.
class ArrowWhileAsking {
public:
    ArrowWhileAsking() : active_(QApplication::overrideCursor() != nullptr) {
        if (active_) {
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~ArrowWhileAsking() {
        if (active_) {
            QApplication::restoreOverrideCursor();
        }
    }
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

private:
    bool active_;
};

}  // namespace

QMessageBox::StandardButton ShowModalBox(QWidget* parent, const QString& caption,
                                         const QString& text, QMessageBox::Icon icon,
                                         DialogButtons buttons) {
    const ArrowWhileAsking arrow;
    if (buttons == DialogButtons::Ok) {
        // Escape and the close box answer OK, as its only button would.
        QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
        return QMessageBox::Ok;
    }
    TwoButtonBox box(icon, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowFlags((box.windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowCloseButtonHint);
    return box.exec() == QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::No;
}

QString ProgramTitle(const QString& executablePath) {
    const QString name = QFileInfo(executablePath).completeBaseName();
    return name.left(1) + name.mid(1).toLower();
}

QString ProgramTitle() {
    return ProgramTitle(QCoreApplication::applicationFilePath());
}

QString WithFullStop(const QString& message) {
    if (message.isEmpty() || message.back() <= QLatin1Char('.')) {
        return message;
    }
    return message + QLatin1Char('.');
}

void ShowException(QWidget* parent, const QString& message) {
    ShowModalBox(parent, ProgramTitle(), WithFullStop(message), QMessageBox::Critical,
                 DialogButtons::Ok);
}

}  // namespace konwpl
