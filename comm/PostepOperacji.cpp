#include "comm/PostepOperacji.h"

#include "ui/Dialogi.h"
#include "ui/PostepWymiany.h"

#include <algorithm>
#include <utility>

namespace orbaklaw {

namespace {
constexpr uint64_t SkalaWywolania = 1000; // steps of the bar per call
} // namespace

class PostepOperacji::Czesc : public PostepWymiany {
public:
    Czesc(PostepOperacji& operacja, int wywolanie) : operacja_(operacja), wywolanie_(wywolanie) {}

    void Ustaw(uint64_t zrobione, uint64_t oczekiwane) override {
        operacja_.Ustaw(wywolanie_, zrobione, oczekiwane);
    }

private:
    PostepOperacji& operacja_;
    int wywolanie_;
};

PostepOperacji::PostepOperacji(Dialogi& dialogi, QString tekst, int wywolan,
                               PostepOperacji*& biezaca)
    : dialogi_(dialogi), tekst_(std::move(tekst)), wywolan_(std::max(wywolan, 1)),
      biezaca_(biezaca), poprzednia_(std::exchange(biezaca, this)) {}

PostepOperacji::~PostepOperacji() {
    biezaca_ = poprzednia_;
}

std::unique_ptr<PostepWymiany> PostepOperacji::NastepneWywolanie() {
    // A call beyond those planned (a read after a lost reply) shares the last part.
    biezace_ = std::min(biezace_ + 1, wywolan_ - 1);
    if (!okno_)
        okno_ = dialogi_.Postep(tekst_);
    Ustaw(biezace_, 0, 1);
    return std::make_unique<Czesc>(*this, biezace_);
}

void PostepOperacji::Ustaw(int wywolanie, uint64_t zrobione, uint64_t oczekiwane) {
    // A call that can't tell how far it is stands at the start of its share.
    const uint64_t czesc =
        oczekiwane == 0 ? 0 : std::min(zrobione, oczekiwane) * SkalaWywolania / oczekiwane;
    okno_->Ustaw(static_cast<uint64_t>(wywolanie) * SkalaWywolania + czesc,
                 static_cast<uint64_t>(wywolan_) * SkalaWywolania);
}

} // namespace orbaklaw
