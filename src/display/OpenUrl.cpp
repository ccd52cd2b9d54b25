#include "Environment.h"
#include "dspCommon.h"

#include <QApplication>
#include <QMessageBox>

namespace fenwa::dspCommon {

namespace {

const QString NoticeName = QStringLiteral("OpenUrlNotice");

// One notice at a time: a further failure only brings the one shown forward
// with the newest address.
QMessageBox* Notice() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == NoticeName && window->isVisible())
            if (auto* shown = qobject_cast<QMessageBox*>(window)) return shown;
    auto* notice = new QMessageBox(QApplication::activeWindow());
    notice->setObjectName(NoticeName);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setIcon(QMessageBox::Information);
    notice->setWindowTitle(QStringLiteral("ブラウザを開けません"));
    notice->setStandardButtons(QMessageBox::Ok);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notice->setWindowModality(Qt::NonModal);
    return notice;
}

} // namespace

void OpenUrl(const QString& address) {
    if (display::Env().OpenUrl(address)) return;
    // A missing browser must not hold up a lesson: the notice leaves every
    // window usable and a run going, and its address can be copied by hand.
    QMessageBox* notice = Notice();
    notice->setText(QStringLiteral("ブラウザを開くことができませんでした。\n"
                                   "次のアドレスを，お使いのブラウザで開いてください。\n\n") +
                    address);
    notice->show();
    notice->raise();
    notice->activateWindow();
}

} // namespace fenwa::dspCommon
