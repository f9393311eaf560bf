#include "ui/observationnotesdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace sylvane::ui {

ObservationNotesDialog::ObservationNotesDialog(const core::ObservationNotes& proposed,
                                               QWidget* parent)
    : QDialog(parent), date_(new QLineEdit(proposed.date, this)),
      place_(new QLineEdit(proposed.place, this)),
      collector_(new QLineEdit(proposed.collector, this)),
      remarks_(new QPlainTextEdit(proposed.remarks, this)) {
    setWindowTitle(u"Rapport d'identification"_s);
    auto* intro = new QLabel(
        u"Notes sur l'observation, reprises dans le rapport (toutes facultatives) :"_s, this);
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(u"&Date :"_s, date_);
    form->addRow(u"&Lieu :"_s, place_);
    form->addRow(u"Ré&colteur :"_s, collector_);
    form->addRow(u"&Remarques :"_s, remarks_);
    remarks_->setTabChangesFocus(true);
    remarks_->setMinimumHeight(remarks_->fontMetrics().lineSpacing() * 4);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(u"Continuer"_s);
    buttons->button(QDialogButtonBox::Cancel)->setText(u"Annuler"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    place_->setFocus();
}

core::ObservationNotes ObservationNotesDialog::notes() const {
    return {date_->text().trimmed(), place_->text().trimmed(), collector_->text().trimmed(),
            remarks_->toPlainText().trimmed()};
}

} // namespace sylvane::ui
