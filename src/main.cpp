#include "display/Fonts.h"
#include "model/StandardRandom.h"
#include "ui/main/frmFenwa.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(FENWA_APP_ID));
    fenwa::display::InstallFontSubstitutions();
    fenwa::model::StandardRandom random;
    fenwa::ui::frmFenwa window(random);
    window.Form_Load();
    return QApplication::exec();
}
