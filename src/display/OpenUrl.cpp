#include "Environment.h"
#include "dspCommon.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace fenwa::dspCommon {

namespace {

const QString NoticeName = QStringLiteral("OpenUrlNotice");

// One notice at a time: a further failure only brings the one shown forward
// with the newest address.
QMessageBox* Notice(QWidget* owner) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == NoticeName && window->isVisible())
            if (auto* shown = qobject_cast<QMessageBox*>(window)) return shown;
    auto* notice = new QMessageBox(owner);
    notice->setObjectName(NoticeName);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setIcon(QMessageBox::Information);
    notice->setWindowTitle(QStringLiteral("ブラウザを開けません"));
    notice->setStandardButtons(QMessageBox::Ok);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notice->setWindowModality(Qt::NonModal);
    return notice;
}

// A missing browser must not hold up a lesson: the notice leaves every window
// usable and a run going, and its address can be copied by hand.
void ShowNotice(const QString& address, QWidget* owner) {
    QMessageBox* notice = Notice(owner);
    notice->setText(QStringLiteral("ブラウザを開くことができませんでした。\n"
                                   "次のアドレスを，お使いのブラウザで開いてください。\n\n") +
                    address);
    notice->show();
    notice->raise();
    notice->activateWindow();
}

} // namespace

void OpenUrl(display::Environment& environment, const QString& address) {
    // The failure may show only after the user has moved on; the notice
    // belongs to the window that asked, if it is still there.
    const QPointer<QWidget> owner = QApplication::activeWindow();
    environment.OpenUrl(address, [address, owner] { ShowNotice(address, owner); });
}

} // namespace fenwa::dspCommon
