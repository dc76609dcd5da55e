#pragma once
// The progress box of a register exchange: a modal QProgressDialog without
// a cancel button. It shows a moment after its creation, so that a quick
// call does not flash it, and goes when destroyed. While a message box asks
// something between two calls of one action, the box steps aside: it hides,
// and one due to show waits until the message box has gone.

#include "ui/PostepWymiany.h"

#include <QString>

#include <vector>

class QProgressDialog;
class QWidget;

namespace orbaklaw {

class PostepWymianyQt : public PostepWymiany {
public:
    static constexpr int OpoznieniePokazania = 300; // ms

    // `otwarte` lists the boxes alive, for the message boxes to set aside.
    PostepWymianyQt(QWidget* rodzic, const QString& tekst, std::vector<PostepWymianyQt*>& otwarte);
    ~PostepWymianyQt() override;
    PostepWymianyQt(const PostepWymianyQt&) = delete;
    PostepWymianyQt& operator=(const PostepWymianyQt&) = delete;

    void Ustaw(uint64_t zrobione, uint64_t oczekiwane) override;

    QProgressDialog& Okno() { return *okno_; }

    // Hides the box while a message box is open; Wznow brings it back.
    void Wstrzymaj();
    void Wznow();

private:
    void Pokaz();

    QProgressDialog* okno_;
    std::vector<PostepWymianyQt*>& otwarte_;
    int wstrzymany_ = 0;       // message boxes open over it
    bool doPokazania_ = false; // shown or due to show when they go
};

} // namespace orbaklaw
