#include "format/KomunikatyBledow.h"
#include "files/NazwyStale.h"
#include "files/StronyKodowe.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orbaklaw {

namespace {

// Second line of the configuration messages.
#define POLACZENIE "Naciśnij przycisk \"POŁĄCZENIE\" i ustaw ponownie parametry komunikacji"_w1250

// The causes both line timeouts list first.
#define PRZYCZYNY_TIMEOUTU                                                                         \
    "Możliwe przyczyny błędu: "_w1250                                                           \
    "\r"                                                                                           \
    "- kasa nie jest podłączona do komputera,"_w1250                                             \
    "\r"                                                                                           \
    "- kasa nie jest włączona,"_w1250                                                            \
    "\r"                                                                                           \
    "- kasa jest podłączona do innego portu szeregowego"_w1250                                   \
    "\r"                                                                                           \
    "  niż wybrany w programie orbaklaw"_w1250

// The library refuses KONFIG.TXT and RAPORT.TXT alike as an input file.
constexpr const char* ZastrzezoneWejscie = "Zastrzeżona nazwa pliku wejściowego."_w1250;

// Texts are Windows-1250; "\r" separates the lines of one message.
constexpr std::pair<uint8_t, const char*> Komunikaty[] = {
    {1, ZastrzezoneWejscie},
    {2, ZastrzezoneWejscie},
    {3, "Brak nazwy pliku wyjściowego."_w1250},
    {4, "Zastrzeżona nazwa pliku wyjściowego."_w1250},
    {5, "Jednakowe nazwy plików wejściowego i wyjściowego."_w1250},
    {6, "Nie można otworzyć pliku wejściowego."_w1250},
    {7, "Nie można otworzyć pliku konfiguracji."_w1250
        "\r" POLACZENIE},
    {8, "Nie można otworzyć pliku wyjściowego."_w1250},
    {9, "Nie można otworzyć pliku raportu."_w1250},
    {10, "Niekompletne dane w pliku wejściowym."_w1250},
    {11, "Niepoprawny format pliku wejściowego."_w1250},
    {12, "Niepoprawne dane w pliku wejściowym."_w1250},
    {13, "Niekompletne dane w pliku konfiguracji."
         "\r" POLACZENIE},
    {14, "Brak skojarzenia w pliku konfiguracji."
         "\r" POLACZENIE},
    {15, "Niepoprawne dane w pliku konfiguracji."
         "\r" POLACZENIE},
    {16, "Niepoprawny format pliku konfiguracji."
         "\r" POLACZENIE},
    {17, "Niemożliwy zapis do pliku wyjściowego."_w1250},
    {18, "Niemożliwy zapis do pliku raportu."_w1250},
    {19, "Numer kasy poza zakresem."},
    {20, "Wystąpił timeout nadawania."_w1250
         "\r" PRZYCZYNY_TIMEOUTU "."},
    {21, "Wystąpił timeout odbierania. "_w1250
         "\r" PRZYCZYNY_TIMEOUTU ","
         "\r"
         "- w kasie jest wybrana inna szybkość transmisji"_w1250
         "\r"
         "  niż w programie orbaklaw."_w1250},
    {22, "Pod podanym skojarzeniem kasa o innym numerze."
         "\r" POLACZENIE},
    {23, "Niepoprawna odpowiedź z kasy."_w1250},
    {24, "Odpowiedź z kasy : NAK."_w1250},
    {25, "Rozkaz niedostepny w tej wersji programu kasy."},
    {101, "Pamięć została skasowana. Ustaw zegar programem serwisowym tilladm.exe"_w1250},
    {102, "Błąd w nazwie towaru."_w1250},
    {103, "Błąd w stawce podatkowej towaru"_w1250},
    {104, "Brak miejsca na opakowanie."},
    {105, "Błędny numer towaru."_w1250},
    {107, "Brak miejsca na towary wiązane."_w1250},
    {108, "Za duży kod kreskowy."_w1250},
    {109, "Za duża cena."_w1250},
    {110, "Numer grupy towarowej poza zakresem."},
    {111, "Numer jednostki towarowej poza zakresem."},
    {112, "Błędna ilość miejsc po przecinku."_w1250},
    {113, "Błąd w informacji o blokadzie towaru."_w1250},
    {114, "Błąd w informacji o opakowaniu."_w1250},
    {115, "Numer płatności poza zakresem."_w1250},
    {200, "Nowa nazwa lub stawka dla towaru."},
    {201, "Nie wszystkie dane zostały przeczytane."_w1250},
    {202, "Pod podanym numerem towaru brak danych."},
    {203, "Numer kasjera poza zakresem."},
    {204, "Pod podanym numerem brak danych kasjera."},
    {205, "Kasjer ma otwartą zmianę."_w1250},
    {206, "W danych tekstowych wystąpił błędny kod."_w1250},
    {207, "Rabat poza zakresem."},
    {208, "Parametr poza zakresem."},
    {209, "Towar posiada niezerowe stany sprzedaży lub zwrotów."_w1250},
    {210, "Ilość wysuwów poza zakresem."_w1250},
    {211, "Należy ustawić opcję PROGRAM SERWISU Z PC."_w1250},
    {228, "Klawisz nie może być definiowany i odczytywany"_w1250},
    {229, "Brak miejsca na kwoty dla płatnosci z klawisza"_w1250},
};

#undef POLACZENIE
#undef PRZYCZYNY_TIMEOUTU

} // namespace

const char* KomunikatBledu(uint8_t kod) {
    auto it = std::find_if(std::begin(Komunikaty), std::end(Komunikaty),
                           [kod](const auto& k) { return k.first == kod; });
    return it == std::end(Komunikaty) ? "" : it->second;
}

bool MaKomunikat(uint8_t kod) {
    return *KomunikatBledu(kod) != '\0';
}

uint8_t KodZeStatusu(uint8_t status) {
    const uint8_t s = status & 0x7F;
    if (s <= 25)
        return s;
    if (s <= 30)
        return static_cast<uint8_t>(s - 26 + 101);
    if (s <= 39)
        return static_cast<uint8_t>(s - 31 + 107); // there is no 106
    if (s <= 50)
        return static_cast<uint8_t>(s - 40 + 200);
    if (s == 63)
        return 211;
    return 255;
}

std::string BladZastrzezonejNazwy(const std::string& nazwa) {
    return "BŁĄD ZAPISU: ZASTRZEŻONA NAZWA PLIKU ("_w1250 + nazwa + ")";
}

std::string ZapisanoDoKasyIDoPliku() {
    return std::string("Definicje klawiszy zapisano do kasy i do pliku ") + NazwaPlikuKlawiszy;
}

std::string NieUtworzonoZapytania() {
    return "Nie udało się stworzyc pliku wejsciowego"_w1250;
}

} // namespace orbaklaw
