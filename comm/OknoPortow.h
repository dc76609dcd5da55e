#pragma once
// "Porty szeregowe": which serial device each of COM1 to COM9 is. Each port
// offers the devices present (their stable by-id names first, with the
// adapter's description) and takes any path typed in; an empty choice is
// the port's default device. "Zapisz" keeps the choice in the user's port
// assignment file (comm/PrzypisaniePortow.h), read by the register
// libraries. A port set by $ORBAKLAW_COM<n> shows that device and can't be
// changed here.

#include "format/PrzypisaniePortow.h"
#include "platform/UrzadzeniaSzeregowe.h"

#include <QDialog>

#include <array>
#include <filesystem>
#include <vector>

class QComboBox;
class QPushButton;

namespace orbaklaw {

class Akcje;
class Dialogi;

class OknoPortow : public QDialog {
    Q_OBJECT

public:
    static constexpr int LiczbaPortow = 9;

    OknoPortow(QWidget* rodzic, Dialogi& dialogi, const Akcje& akcje,
               const platform::FolderyUrzadzen& foldery = {},
               std::filesystem::path plik = PrzypisaniePortow::Plik());

    void KlawZapiszClick();

    QComboBox* Port(int com) const { return Porty[static_cast<size_t>(com - 1)]; }
    // The device chosen for COM n (1..9); empty for the default.
    QString Wybrane(int com) const;

    std::array<QComboBox*, LiczbaPortow> Porty{};
    QPushButton* KlawZapisz = nullptr;
    QPushButton* KlawAnuluj = nullptr;

private:
    void UtworzPort(int com, const std::vector<platform::UrzadzenieSzeregowe>& urzadzenia,
                    const PrzypisaniePortow& przypisanie);

    Dialogi& dialogi_;
    std::filesystem::path plik_;
};

// How a list item shows a device: its path, then what it stands for
// ("/dev/serial/by-id/usb-X-if00-port0 (X, /dev/ttyUSB0)").
QString OpisUrzadzenia(const platform::UrzadzenieSzeregowe& u);

// What follows a port's device when no one assigned it and the program
// falls back on its own choice.
QString DopiskDomyslnego();

} // namespace orbaklaw
