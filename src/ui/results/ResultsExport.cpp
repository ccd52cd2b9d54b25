// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/results/ResultsExport.h"

#include "display/controls/PictureBox.h"
#include "display/forms/Form.h"
#include "display/zoom/Zoom.h"
#include "run/CountsCsv.h"
#include "run/PhotonRun.h"
#include "run/RunConditions.h"
#include "run/RunPicture.h"
#include "ui/results/SaveFile.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>

namespace fenwa::ui {

namespace {

// The folder a save dialog starts in: the last one saved into this session,
// or else the user's folder of that kind, or home where that is missing.
QString StartFolder(const QString& last, QStandardPaths::StandardLocation kind) {
    if (!last.isEmpty()) return last;
    const QString folder = QStandardPaths::writableLocation(kind);
    return QDir(folder).exists() ? folder : QDir::homePath();
}

// The name a save proposes: fenwa-2slit-10000.png, or where the slits
// changed in the middle of the run, fenwa-3slit-1100-1slit-900.png; other
// conditions than the book's follow: fenwa-2slit-2000-532nm-500um-500cm.png.
QString ProposedName(const run::FinishedRun& run, const char* suffix) {
    QString name = QStringLiteral("fenwa");
    const auto add = [&name](int slits, std::int32_t photons) {
        name += QStringLiteral("-%1slit-%2").arg(slits).arg(photons);
    };
    const auto& arrangements = run.Record.Arrangements;
    if (arrangements.size() > 1)
        for (const run::ArrangementCount& arrangement : arrangements)
            add(arrangement.Apparatus.SlitCount, arrangement.Photons);
    else
        add(run.Apparatus.SlitCount, run.Record.Count);
    return name + run::ConditionsFileName(run) + u'.' + QLatin1String(suffix);
}

QAction* MenuItem(QWidget& window, QMenu& menu, const QString& text, const QKeySequence& keys) {
    auto* action = new QAction(text, &window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    menu.addAction(action);
    return action;
}

} // namespace

// One menu for both panels. Each item is also an action of the window, so
// that its shortcut works anywhere in it, and the menu shows the shortcut
// beside the text.
ResultsExport::ResultsExport(display::Form& window, display::PictureBox& screen,
                             display::PictureBox& histogram, run::PhotonRun& run,
                             run::SlitCaption slitCaption, display::FontSpec lineFont)
    : QObject(&window), window_(window), screen_(screen), histogram_(histogram), run_(run),
      slitCaption_(std::move(slitCaption)), lineFont_(std::move(lineFont)) {
    PanelMenu = new QMenu(&window_);
    mnuCopyPicture = MenuItem(window_, *PanelMenu, QStringLiteral("画像をコピー"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    mnuSavePicture = MenuItem(window_, *PanelMenu, QStringLiteral("画像を保存…"),
                              QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveCounts = MenuItem(window_, *PanelMenu, QStringLiteral("度数をCSVで保存…"),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(mnuCopyPicture, &QAction::triggered, this, &ResultsExport::mnuCopyPicture_Click);
    connect(mnuSavePicture, &QAction::triggered, this, &ResultsExport::mnuSavePicture_Click);
    connect(mnuSaveCounts, &QAction::triggered, this, &ResultsExport::mnuSaveCounts_Click);
    // A right click opens the menu; only a left click starts a run.
    for (display::PictureBox* panel : {&screen_, &histogram_}) {
        panel->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(panel, &QWidget::customContextMenuRequested, this, [this, panel](const QPoint& at) {
            PanelMenu->popup(panel->mapToGlobal(at));
            // From the keyboard the first item that can be chosen is
            // lit, so that a screen reader has something to say.
            if (!panel->MenuAskedByKeyboard()) return;
            for (QAction* item : PanelMenu->actions()) {
                if (item->isSeparator() || !item->isEnabled()) continue;
                PanelMenu->setActiveAction(item);
                break;
            }
        });
    }
    askSavePath_ = [this](const QString& title, const QString& proposedPath,
                          const QString& filter) {
        return AskWithSaveDialog(&window_, title, proposedPath, filter);
    };
    ShowState(false);
}

// The items give the last run that ended, so they wait for one, and for the
// run going now to end.
void ResultsExport::ShowState(bool running) {
    const bool ready = !running && run_.LastFinished().has_value();
    for (QAction* item : {mnuCopyPicture, mnuSavePicture, mnuSaveCounts})
        item->setEnabled(ready);
}

QString ResultsExport::PictureLine() const {
    return run::RunPictureLine(*run_.LastFinished(), slitCaption_);
}

QImage ResultsExport::Picture() const {
    // Drawn at the zoom of the moment, as large as the window shows the panels now.
    const run::PanelPlaces places{display::ToDesign(screen_.geometry()),
                                  display::ToDesign(histogram_.geometry())};
    const run::FinishedRun& last = *run_.LastFinished();
    return run::RunPicture(last, run::PanelsSideBySide(last, places), display::ZoomFactor(),
                           slitCaption_, lineFont_);
}

void ResultsExport::mnuCopyPicture_Click() {
    if (!run_.LastFinished()) return;
    QGuiApplication::clipboard()->setImage(Picture());
}

void ResultsExport::mnuSavePicture_Click() {
    if (!run_.LastFinished()) return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Picture().save(&buffer, "PNG");
    SaveResult(pictureFolder_, QStandardPaths::PicturesLocation, "png",
               QStringLiteral("画像を保存"), QStringLiteral("PNG 画像 (*.png)"), png);
}

void ResultsExport::mnuSaveCounts_Click() {
    if (!run_.LastFinished()) return;
    SaveResult(countsFolder_, QStandardPaths::DocumentsLocation, "csv",
               QStringLiteral("度数をCSVで保存"), QStringLiteral("CSV ファイル (*.csv)"),
               run::CountsCsv(*run_.LastFinished()));
}

// Asks where, starting in the folder where the last save of this kind went,
// or else in the user's folder of the kind, and writes. A failure is told and
// changes nothing else.
void ResultsExport::SaveResult(QString& lastFolder, QStandardPaths::StandardLocation kind,
                               const char* suffix, const QString& title, const QString& filter,
                               const QByteArray& bytes) {
    const QString asked = askSavePath_(
        title,
        QDir(StartFolder(lastFolder, kind)).filePath(ProposedName(*run_.LastFinished(), suffix)),
        filter);
    if (asked.isEmpty()) return;
    const QString path = WithEnding(asked, QLatin1String(suffix));
    const std::optional<QString> failure = WriteWhole(path, bytes);
    if (!failure) {
        lastFolder = QFileInfo(path).absolutePath();
        return;
    }
    // The next dialog starts where saving last worked, not where it failed.
    QMessageBox::warning(&window_, window_.Caption(),
                         QStringLiteral("保存できませんでした：") + QDir::toNativeSeparators(path) +
                             u'\n' + *failure);
}

} // namespace fenwa::ui
