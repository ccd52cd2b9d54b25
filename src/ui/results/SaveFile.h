// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <optional>

class QWidget;

namespace fenwa::ui {

// Asks where to save with Qt's own save dialog, the same on every desktop,
// starting at the proposed path; answers the path, or nothing for Cancel. A
// name typed without the proposed name's ending gets it before the dialog
// asks whether to replace a file of that name.
QString AskWithSaveDialog(QWidget* parent, const QString& title, const QString& proposedPath,
                          const QString& filter);

// The path with the ending of its kind ("csv", "png"), unless it already ends
// with it, in whatever case of letters.
QString WithEnding(const QString& path, const QString& suffix);

// Writes the whole file or none: a failed write leaves what was there
// before. Answers nothing when saved, else why not (WhyNotSaved).
std::optional<QString> WriteWhole(const QString& path, const QByteArray& bytes);

// Why a file could not be written at path, in the user's words: the folder
// does not exist, the disk is full, the place is write-protected, or where
// none of these fits, what the system said.
QString WhyNotSaved(const QString& path, QFileDevice::FileError error, const QString& systemWords);

} // namespace fenwa::ui
