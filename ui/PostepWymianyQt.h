#pragma once
// The progress box of a register exchange: a modal QProgressDialog without
// a cancel button. It shows a moment after its creation, so that a quick
// call does not flash it, and goes when destroyed.

#include "ui/PostepWymiany.h"

#include <QString>

class QProgressDialog;
class QWidget;

namespace orbaklaw {

class PostepWymianyQt : public PostepWymiany {
public:
    static constexpr int OpoznieniePokazania = 300; // ms

    PostepWymianyQt(QWidget* rodzic, const QString& tekst);
    ~PostepWymianyQt() override;
    PostepWymianyQt(const PostepWymianyQt&) = delete;
    PostepWymianyQt& operator=(const PostepWymianyQt&) = delete;

    void Ustaw(uint64_t zrobione, uint64_t oczekiwane) override;

    QProgressDialog& Okno() { return *okno_; }

private:
    QProgressDialog* okno_;
};

} // namespace orbaklaw
