// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "model/Apparatus.h"

#include <QDialog>
#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace fenwa::display {
class Environment;
}

namespace fenwa::ui {

class StepValidator;

// The experiment's conditions, to change for the next runs: the wavelength,
// the slit width or spacing, the distance to the screen, and whether the
// photons are seen passing their slits. Nothing changes until OK; Esc
// cancels. A value outside its range cannot be typed: the box refuses it
// with a beep and the line under the boxes gives the range.
class frmConditions : public QDialog {
    Q_OBJECT

public:
    // A dialog of owner, at the program's zoom, with the apparatus's values.
    frmConditions(QWidget& owner, display::Environment& environment,
                  const model::Apparatus& apparatus);

    // The apparatus with the values in the boxes; valid once OK has closed it.
    model::Apparatus Chosen() const;

    // Closes with OK only when every box holds a value in its range; else
    // the first that does not has the focus, its text selected.
    void accept() override;

    QComboBox* cboWaveLen;
    QLineEdit* txtSlitSize;
    QLineEdit* txtScreenDist;
    QCheckBox* chkSlitObserved;
    QPushButton* cmdBook;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QLabel* lblRange; // the range of the box that last refused

private:
    struct Field {
        QLineEdit* box;
        StepValidator* steps;
        QString range;
    };
    void Show(const model::Apparatus& apparatus);
    void Refuse(const Field& field);
    void cmdBook_Click();

    display::Environment& environment_;
    model::Apparatus apparatus_;
    std::array<Field, 3> fields_{}; // wavelength, slit size, distance
};

// Asks for the conditions over owner; the apparatus chosen with OK, or
// nothing where the user cancelled.
std::optional<model::Apparatus> AskConditions(QWidget& owner, display::Environment& environment,
                                              const model::Apparatus& apparatus);

} // namespace fenwa::ui
