#pragma once
// One progress box over the library calls of one action. A write reads the
// register for its backup, writes and reads the register back; a deletion
// reads, deletes and reads back. The box stays from the first call to the
// end of the action (a question between two calls shows over it), and its
// one bar is split evenly among the calls the action plans, each filling
// its share as its bytes go.

#include <QString>

#include <cstdint>
#include <memory>

namespace orbaklaw {

class Dialogi;
class PostepWymiany;

class PostepOperacji {
public:
    // `biezaca` is where the program looks for the action under way: this
    // object while it lives.
    PostepOperacji(Dialogi& dialogi, QString tekst, int wywolan, PostepOperacji*& biezaca);
    ~PostepOperacji();
    PostepOperacji(const PostepOperacji&) = delete;
    PostepOperacji& operator=(const PostepOperacji&) = delete;

    // The next call's view of the box: its bytes fill that call's share.
    // The box itself stays when the view goes.
    std::unique_ptr<PostepWymiany> NastepneWywolanie();

private:
    class Czesc;
    void Ustaw(int wywolanie, uint64_t zrobione, uint64_t oczekiwane);

    Dialogi& dialogi_;
    QString tekst_;
    int wywolan_;
    int biezace_ = -1;
    PostepOperacji*& biezaca_;
    PostepOperacji* poprzednia_;
    std::unique_ptr<PostepWymiany> okno_;
};

} // namespace orbaklaw
