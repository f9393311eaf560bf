#pragma once

#include "core/platform.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace sylvane::ui {

// The short form asked before an identification report: the date of the observation,
// the place, who collected the specimen and free remarks, all optional.
class ObservationNotesDialog : public QDialog {
    Q_OBJECT
  public:
    ObservationNotesDialog(const core::ObservationNotes& proposed, QWidget* parent = nullptr);

    core::ObservationNotes notes() const;

  private:
    QLineEdit* date_;
    QLineEdit* place_;
    QLineEdit* collector_;
    QPlainTextEdit* remarks_;
};

} // namespace sylvane::ui
