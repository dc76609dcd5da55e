#include "appearance/PolaEtykiet.h"

namespace orbaklaw {

namespace {

constexpr std::array<PoleEtykiety, LiczbaPolEtykiet> Pola{{
    {"Edit1", 0, false, LimitEtykietyF, {84, 12, 46, 16}},
    {"Edit2", 1, false, LimitEtykietyF, {153, 12, 49, 16}},
    {"Edit3", 2, false, LimitEtykietyF, {223, 12, 48, 16}},
    {"Edit4", 3, false, LimitEtykietyF, {295, 12, 50, 16}},
    {"Edit5", 4, false, LimitEtykietyF, {11, 78, 48, 19}},
    {"Edit6", 5, false, LimitEtykietyF, {84, 79, 46, 16}},
    {"Edit7", 6, false, LimitEtykietyF, {152, 79, 49, 16}},
    {"Edit8", 7, false, LimitEtykietyF, {223, 78, 48, 16}},
    {"Edit9", 8, false, LimitEtykietyF, {295, 78, 50, 16}},
    {"Edit1a", 0, true, LimitEtykietyF, {84, 28, 46, 16}},
    {"Edit2a", 1, true, LimitEtykietyF, {153, 28, 49, 16}},
    {"Edit3a", 2, true, LimitEtykietyF, {223, 28, 48, 16}},
    {"Edit4a", 3, true, LimitEtykietyF, {295, 28, 50, 16}},
    {"Edit5a", 4, true, LimitEtykietyF, {11, 94, 48, 16}},
    {"Edit6a", 5, true, LimitEtykietyF, {84, 94, 46, 16}},
    {"Edit7a", 6, true, LimitEtykietyF, {152, 94, 49, 16}},
    {"Edit8a", 7, true, LimitEtykietyF, {223, 94, 48, 16}},
    {"Edit9a", 8, true, LimitEtykietyF, {295, 94, 50, 16}},
    {"e0", 9, false, LimitEtykietyCyfry, {105, 346, 26, 16}},
    {"e1", 10, false, LimitEtykietyCyfry, {105, 280, 26, 16}},
    {"e2", 11, false, LimitEtykietyCyfry, {176, 280, 26, 16}},
    {"e3", 12, false, LimitEtykietyCyfry, {245, 280, 28, 16}},
    {"e4", 13, false, LimitEtykietyCyfry, {105, 213, 26, 16}},
    {"e5", 14, false, LimitEtykietyCyfry, {176, 213, 26, 16}},
    {"e6", 15, false, LimitEtykietyCyfry, {245, 213, 30, 17}},
    {"e7", 16, false, LimitEtykietyCyfry, {105, 145, 26, 16}},
    {"e8", 17, false, LimitEtykietyCyfry, {176, 145, 26, 16}},
    {"e9", 18, false, LimitEtykietyCyfry, {245, 145, 26, 16}},
    {"e0a", 9, true, LimitEtykietyCyfry, {105, 362, 26, 16}},
    {"e1a", 10, true, LimitEtykietyCyfry, {105, 296, 28, 17}},
    {"e2a", 11, true, LimitEtykietyCyfry, {176, 296, 28, 18}},
    {"e3a", 12, true, LimitEtykietyCyfry, {245, 296, 30, 17}},
    {"e4a", 13, true, LimitEtykietyCyfry, {104, 229, 28, 16}},
    {"e5a", 14, true, LimitEtykietyCyfry, {176, 229, 28, 17}},
    {"e6a", 15, true, LimitEtykietyCyfry, {245, 229, 30, 17}},
    {"e7a", 16, true, LimitEtykietyCyfry, {105, 161, 28, 16}},
    {"e8a", 17, true, LimitEtykietyCyfry, {176, 161, 28, 16}},
    {"e9a", 18, true, LimitEtykietyCyfry, {245, 161, 30, 16}},
}};

} // namespace

const std::array<PoleEtykiety, LiczbaPolEtykiet>& PolaEtykiet() {
    return Pola;
}

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
