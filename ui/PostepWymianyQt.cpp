#include "ui/PostepWymianyQt.h"

#include "ui/Dialogi.h"

#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace orbaklaw {

PostepWymianyQt::PostepWymianyQt(QWidget* rodzic, const QString& tekst,
                                 std::vector<PostepWymianyQt*>& otwarte)
    : okno_(new QProgressDialog(rodzic)), otwarte_(otwarte) {
    otwarte_.push_back(this);
    okno_->setObjectName(QStringLiteral("PostepWymiany"));
    okno_->setWindowTitle(QString::fromLatin1(TytulProgramu));
    okno_->setWindowFlag(Qt::WindowCloseButtonHint, false);
    okno_->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    okno_->setLabelText(tekst);
    // A call into the register library can't be stopped once begun.
    okno_->setCancelButton(nullptr);
    okno_->setWindowModality(Qt::ApplicationModal);
    okno_->setAutoClose(false);
    okno_->setAutoReset(false);
    // The box shows by the timer below, never by the dialog's own estimate.
    okno_->setMinimumDuration(std::numeric_limits<int>::max());
    okno_->setRange(0, 0); // a busy bar until the library tells how far it is
    okno_->setMinimumWidth(320);
    QTimer::singleShot(OpoznieniePokazania, okno_, [this] { Pokaz(); });
}

PostepWymianyQt::~PostepWymianyQt() {
    std::erase(otwarte_, this);
    delete okno_;
}

void PostepWymianyQt::Pokaz() {
    if (wstrzymany_ > 0)
        doPokazania_ = true;
    else
        okno_->show();
}

void PostepWymianyQt::Wstrzymaj() {
    if (wstrzymany_++ == 0 && okno_->isVisible()) {
        okno_->hide();
        doPokazania_ = true;
    }
}

void PostepWymianyQt::Wznow() {
    if (wstrzymany_ > 0 && --wstrzymany_ == 0 && doPokazania_) {
        doPokazania_ = false;
        okno_->show();
    }
}

void PostepWymianyQt::Ustaw(uint64_t zrobione, uint64_t oczekiwane) {
    if (oczekiwane == 0) {
        if (okno_->maximum() != 0)
            okno_->setRange(0, 0);
        return;
    }
    const int procent =
        static_cast<int>(std::min<uint64_t>(zrobione, oczekiwane) * 100 / oczekiwane);
    if (okno_->maximum() != 100)
        okno_->setRange(0, 100);
    if (okno_->value() != procent)
        okno_->setValue(procent);
}

} // namespace orbaklaw
