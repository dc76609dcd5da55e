#pragma once
// What the label-file and printing buttons use of the main window: the
// label fields and the keyboard picture they lie on, the insert's pictures
// and the two file dialogs' settings. The window owns all of them.

class QImage;

namespace orbaklaw {

class Akcje;
class Dialogi;
class EtykietyKlawiszy;
class WidokKlawiatury;
struct DialogPliku;
struct StanWygladu;

struct OknoWygladu {
    Dialogi* dialogi = nullptr;
    const Akcje* akcje = nullptr; // tells of a file that can't be read or saved
    EtykietyKlawiszy* etykiety = nullptr;
    const WidokKlawiatury* klawiatura = nullptr; // the insert has its size
    QImage* szablon = nullptr;                   // the insert template, loaded when first needed
    QImage* obraz = nullptr;                     // the working picture while saving or printing
    DialogPliku* zapis = nullptr;                // "Save": where the picture goes
    DialogPliku* odczyt = nullptr;               // "oBitmapa": label files to read
    StanWygladu* stan = nullptr;
};

} // namespace orbaklaw
