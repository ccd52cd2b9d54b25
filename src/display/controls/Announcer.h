// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

namespace fenwa::display {

// Tells the user a sentence through assistive technology, without showing
// anything: an empty notification in its window that appears afresh with
// each sentence, for screen readers read a notification out as it appears.
// It says nothing while its window is hidden.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    void Announce(const QString& sentence);
    // The last sentence told.
    const QString& Sentence() const { return sentence_; }

private:
    QString sentence_;
};

} // namespace fenwa::display
