// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/results/SaveFile.h"

#include "display/zoom/Zoom.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QSaveFile>
#include <QScreen>
#include <QTreeView>

namespace fenwa::ui {

namespace {

// Gives a typed name its ending before Qt's dialog looks for a file to
// replace, so that the question is asked of the file that will be written.
// Qt itself adds it only to a name without any dot ("result.v2" has one).
class SaveDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QString typed = selectedFiles().value(0);
        const QString ended = WithEnding(typed, defaultSuffix());
        if (!typed.isEmpty() && !QFileInfo(typed).isDir() && ended != typed) selectFile(ended);
        QFileDialog::accept();
    }
};

} // namespace

QString AskWithSaveDialog(QWidget* parent, const QString& title, const QString& proposedPath,
                          const QString& filter) {
    const QFileInfo proposed(proposedPath);
    SaveDialog dialog(parent, title, proposed.absolutePath(), filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(proposed.suffix());
    dialog.selectFile(proposed.fileName());
    // Zoomed, the columns' widths for the actual size would cut their texts
    // short: they take their contents' once the folder has been read.
    auto* files = dialog.findChild<QTreeView*>();
    auto* folder = dialog.findChild<QFileSystemModel*>();
    if (display::ZoomFactor() > 1 && files && folder)
        QObject::connect(folder, &QFileSystemModel::directoryLoaded, files, [files] {
            for (int column = 1; column < files->header()->count(); ++column)
                files->resizeColumnToContents(column);
        });
    // As large as its text asks, as far as the screen holds it.
    if (const QScreen* screen = parent ? parent->screen() : nullptr)
        dialog.resize(dialog.sizeHint().boundedTo(screen->availableGeometry().size() * 0.9));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

QString WithEnding(const QString& path, const QString& suffix) {
    const QString ending = u'.' + suffix;
    return suffix.isEmpty() || path.endsWith(ending, Qt::CaseInsensitive) ? path : path + ending;
}

std::optional<QString> WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a full disk shows in write(): the flush of a buffer
    // that commit() makes does not stop it from putting a cut file in place.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(bytes) == bytes.size() && file.commit())
        return std::nullopt;
    return WhyNotSaved(path, file.error(), file.errorString());
}

QString WhyNotSaved(const QString& path, QFileDevice::FileError error, const QString& systemWords) {
    const QFileInfo file(path), folder(QFileInfo(path).absolutePath());
    if (!folder.isDir()) return QStringLiteral("保存先のフォルダーがありません。");
    if (error == QFileDevice::ResourceError) return QStringLiteral("ディスクがいっぱいです。");
    if (error == QFileDevice::PermissionsError || !folder.isWritable() ||
        (file.exists() && !file.isDir() && !file.isWritable()))
        return QStringLiteral("保存先が書き込み禁止になっています。");
    return systemWords;
}

} // namespace fenwa::ui
