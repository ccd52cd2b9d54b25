// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/text/Fonts.h"
#include "run/RunPicture.h"

#include <QImage>
#include <QObject>
#include <QStandardPaths>
#include <functional>

class QAction;
class QMenu;

namespace fenwa::display {
class Form;
class PictureBox;
} // namespace fenwa::display

namespace fenwa::run {
class PhotonRun;
}

namespace fenwa::ui {

// The run's picture and counts leave the window: a context menu on either
// panel, with shortcuts that work anywhere in the window, copies the picture
// or saves it or the counts. What leaves is the last run that ended, as it
// ended.
class ResultsExport : public QObject {
    Q_OBJECT

public:
    // window: the owner of the menu, the shortcuts and the dialogs, and the
    // parent of this; screen and histogram: the panels that open the menu and
    // make the picture; run: whose finished runs leave. All must outlive this.
    ResultsExport(display::Form& window, display::PictureBox& screen,
                  display::PictureBox& histogram, run::PhotonRun& run, run::SlitCaption slitCaption,
                  display::FontSpec lineFont);

    // The panels' context menu, and its items. Further items may be appended
    // to PanelMenu.
    QMenu* PanelMenu = nullptr;
    QAction* mnuCopyPicture = nullptr;
    QAction* mnuSavePicture = nullptr;
    QAction* mnuSaveCounts = nullptr;

    // The line under the picture of the last run that ended.
    QString PictureLine() const;
    // Greys the items out while a run goes, and until the first has ended.
    void ShowState(bool running);

    // Asks where to save, proposing a path, with a dialog title and a file
    // filter; answers the path, or nothing for Cancel. Qt's save dialog,
    // unless a test puts its own.
    using AskSavePath = std::function<QString(const QString& title, const QString& proposedPath,
                                              const QString& filter)>;
    void SetAskSavePath(AskSavePath ask) { askSavePath_ = std::move(ask); }

private:
    void mnuCopyPicture_Click();
    void mnuSavePicture_Click();
    void mnuSaveCounts_Click();
    QImage Picture() const;
    void SaveResult(QString& lastFolder, QStandardPaths::StandardLocation kind, const char* suffix,
                    const QString& title, const QString& filter, const QByteArray& bytes);

    display::Form& window_;
    display::PictureBox& screen_;
    display::PictureBox& histogram_;
    run::PhotonRun& run_;
    run::SlitCaption slitCaption_;
    display::FontSpec lineFont_;
    AskSavePath askSavePath_;
    QString pictureFolder_; // where a picture was last saved, this session
    QString countsFolder_;  // where counts were last saved, this session
};

} // namespace fenwa::ui
