#include "appearance/PolaEtykiet.h"

namespace orbaklaw {

namespace {

constexpr std::array<PoleEtykiety, LiczbaPolEtykiet> Pola{{
    {"Edit1", 0, false, LimitEtykietyF},   {"Edit2", 1, false, LimitEtykietyF},
    {"Edit3", 2, false, LimitEtykietyF},   {"Edit4", 3, false, LimitEtykietyF},
    {"Edit5", 4, false, LimitEtykietyF},   {"Edit6", 5, false, LimitEtykietyF},
    {"Edit7", 6, false, LimitEtykietyF},   {"Edit8", 7, false, LimitEtykietyF},
    {"Edit9", 8, false, LimitEtykietyF},   {"Edit1a", 0, true, LimitEtykietyF},
    {"Edit2a", 1, true, LimitEtykietyF},   {"Edit3a", 2, true, LimitEtykietyF},
    {"Edit4a", 3, true, LimitEtykietyF},   {"Edit5a", 4, true, LimitEtykietyF},
    {"Edit6a", 5, true, LimitEtykietyF},   {"Edit7a", 6, true, LimitEtykietyF},
    {"Edit8a", 7, true, LimitEtykietyF},   {"Edit9a", 8, true, LimitEtykietyF},
    {"e0", 9, false, LimitEtykietyCyfry},  {"e1", 10, false, LimitEtykietyCyfry},
    {"e2", 11, false, LimitEtykietyCyfry}, {"e3", 12, false, LimitEtykietyCyfry},
    {"e4", 13, false, LimitEtykietyCyfry}, {"e5", 14, false, LimitEtykietyCyfry},
    {"e6", 15, false, LimitEtykietyCyfry}, {"e7", 16, false, LimitEtykietyCyfry},
    {"e8", 17, false, LimitEtykietyCyfry}, {"e9", 18, false, LimitEtykietyCyfry},
    {"e0a", 9, true, LimitEtykietyCyfry},  {"e1a", 10, true, LimitEtykietyCyfry},
    {"e2a", 11, true, LimitEtykietyCyfry}, {"e3a", 12, true, LimitEtykietyCyfry},
    {"e4a", 13, true, LimitEtykietyCyfry}, {"e5a", 14, true, LimitEtykietyCyfry},
    {"e6a", 15, true, LimitEtykietyCyfry}, {"e7a", 16, true, LimitEtykietyCyfry},
    {"e8a", 17, true, LimitEtykietyCyfry}, {"e9a", 18, true, LimitEtykietyCyfry},
}};

} // namespace

const std::array<PoleEtykiety, LiczbaPolEtykiet>& PolaEtykiet() { return Pola; }

int IndeksPolaEtykiety(int nrKlawisza, bool drugaLinia) {
    if (nrKlawisza < 0 || nrKlawisza > 18)
        return -1;
    if (nrKlawisza <= 8)
        return nrKlawisza + (drugaLinia ? 9 : 0);
    return 18 + (nrKlawisza - 9) + (drugaLinia ? 10 : 0);
}

std::string UzupelnijEtykiete(const std::string& tekst, int limit) {
    if (tekst.empty() || tekst.size() >= static_cast<size_t>(limit))
        return tekst;
    return tekst + std::string(static_cast<size_t>(limit) - tekst.size(), ' ');
}

} // namespace orbaklaw
