#include "display/Fonts.h"
#include "model/StandardRandom.h"
#include "ui/main/frmFenwa.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    fenwa::display::InstallFontSubstitutions();
    fenwa::model::StandardRandom random;
    fenwa::ui::frmFenwa window(random);
    window.Form_Load();
    return QApplication::exec();
}
