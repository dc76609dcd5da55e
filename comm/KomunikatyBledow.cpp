#include "comm/KomunikatyBledow.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orbaklaw {

namespace {

// Second line of the configuration messages:
// Naciśnij przycisk "POŁĄCZENIE" i ustaw ponownie parametry komunikacji
#define POLACZENIE                                                                                 \
    "Naci\234nij przycisk \"PO\243\245CZENIE\" i ustaw ponownie parametry komunikacji"

// The causes both line timeouts list first:
// Możliwe przyczyny błędu:  | - kasa nie jest podłączona do komputera, |
// - kasa nie jest włączona, | - kasa jest podłączona do innego portu szeregowego |
//   niż wybrany w programie orbaklaw
#define PRZYCZYNY_TIMEOUTU                                                                         \
    "Mo\277liwe przyczyny b\263\352du: "                                                           \
    "\r"                                                                                           \
    "- kasa nie jest pod\263\271czona do komputera,"                                               \
    "\r"                                                                                           \
    "- kasa nie jest w\263\271czona,"                                                              \
    "\r"                                                                                           \
    "- kasa jest pod\263\271czona do innego portu szeregowego"                                     \
    "\r"                                                                                           \
    "  ni\277 wybrany w programie orbaklaw"

// Texts are Windows-1250; "\r" separates the lines of one message.
constexpr std::pair<uint8_t, const char*> Komunikaty[] = {
    // 1: Zastrzeżona nazwa pliku wejściowego.
    {1, "Zastrze\277ona nazwa pliku wej\234ciowego."},
    // 2: Zastrzeżona nazwa pliku wejściowego.
    {2, "Zastrze\277ona nazwa pliku wej\234ciowego."},
    // 3: Brak nazwy pliku wyjściowego.
    {3, "Brak nazwy pliku wyj\234ciowego."},
    // 4: Zastrzeżona nazwa pliku wyjściowego.
    {4, "Zastrze\277ona nazwa pliku wyj\234ciowego."},
    // 5: Jednakowe nazwy plików wejściowego i wyjściowego.
    {5, "Jednakowe nazwy plik\363w wej\234ciowego i wyj\234ciowego."},
    // 6: Nie można otworzyć pliku wejściowego.
    {6, "Nie mo\277na otworzy\346 pliku wej\234ciowego."},
    // 7: Nie można otworzyć pliku konfiguracji.
    {7, "Nie mo\277na otworzy\346 pliku konfiguracji."
        "\r" POLACZENIE},
    // 8: Nie można otworzyć pliku wyjściowego.
    {8, "Nie mo\277na otworzy\346 pliku wyj\234ciowego."},
    // 9: Nie można otworzyć pliku raportu.
    {9, "Nie mo\277na otworzy\346 pliku raportu."},
    // 10: Niekompletne dane w pliku wejściowym.
    {10, "Niekompletne dane w pliku wej\234ciowym."},
    // 11: Niepoprawny format pliku wejściowego.
    {11, "Niepoprawny format pliku wej\234ciowego."},
    // 12: Niepoprawne dane w pliku wejściowym.
    {12, "Niepoprawne dane w pliku wej\234ciowym."},
    // 13: Niekompletne dane w pliku konfiguracji.
    {13, "Niekompletne dane w pliku konfiguracji."
         "\r" POLACZENIE},
    // 14: Brak skojarzenia w pliku konfiguracji.
    {14, "Brak skojarzenia w pliku konfiguracji."
         "\r" POLACZENIE},
    // 15: Niepoprawne dane w pliku konfiguracji.
    {15, "Niepoprawne dane w pliku konfiguracji."
         "\r" POLACZENIE},
    // 16: Niepoprawny format pliku konfiguracji.
    {16, "Niepoprawny format pliku konfiguracji."
         "\r" POLACZENIE},
    // 17: Niemożliwy zapis do pliku wyjściowego.
    {17, "Niemo\277liwy zapis do pliku wyj\234ciowego."},
    // 18: Niemożliwy zapis do pliku raportu.
    {18, "Niemo\277liwy zapis do pliku raportu."},
    // 19: Numer kasy poza zakresem.
    {19, "Numer kasy poza zakresem."},
    // 20: Wystąpił timeout nadawania. | Możliwe przyczyny błędu:  | - kasa nie jest podłączona do
    // komputera, | - kasa nie jest włączona, | - kasa jest podłączona do innego portu szeregowego |
    // niż wybrany w programie orbaklaw.
    {20, "Wyst\271pi\263 timeout nadawania."
         "\r" PRZYCZYNY_TIMEOUTU "."},
    // 21: Wystąpił timeout odbierania.  | Możliwe przyczyny błędu:  | - kasa nie jest podłączona do
    // komputera, | - kasa nie jest włączona, | - kasa jest podłączona do innego portu szeregowego |
    // niż wybrany w programie orbaklaw, | - w kasie jest wybrana inna szybkość transmisji |   niż w
    // programie orbaklaw.
    {21, "Wyst\271pi\263 timeout odbierania. "
         "\r" PRZYCZYNY_TIMEOUTU ","
         "\r"
         "- w kasie jest wybrana inna szybko\234\346 transmisji"
         "\r"
         "  ni\277 w programie orbaklaw."},
    // 22: Pod podanym skojarzeniem kasa o innym numerze.
    {22, "Pod podanym skojarzeniem kasa o innym numerze."
         "\r" POLACZENIE},
    // 23: Niepoprawna odpowiedź z kasy.
    {23, "Niepoprawna odpowied\237 z kasy."},
    // 24: Odpowiedź z kasy : NAK.
    {24, "Odpowied\237 z kasy : NAK."},
    // 25: Rozkaz niedostepny w tej wersji programu kasy.
    {25, "Rozkaz niedostepny w tej wersji programu kasy."},
    // 101: Pamięć została skasowana. Ustaw zegar programem serwisowym tilladm.exe
    {101, "Pami\352\346 zosta\263a skasowana. Ustaw zegar programem serwisowym tilladm.exe"},
    // 102: Błąd w nazwie towaru.
    {102, "B\263\271d w nazwie towaru."},
    // 103: Błąd w stawce podatkowej towaru
    {103, "B\263\271d w stawce podatkowej towaru"},
    // 104: Brak miejsca na opakowanie.
    {104, "Brak miejsca na opakowanie."},
    // 105: Błędny numer towaru.
    {105, "B\263\352dny numer towaru."},
    // 107: Brak miejsca na towary wiązane.
    {107, "Brak miejsca na towary wi\271zane."},
    // 108: Za duży kod kreskowy.
    {108, "Za du\277y kod kreskowy."},
    // 109: Za duża cena.
    {109, "Za du\277a cena."},
    // 110: Numer grupy towarowej poza zakresem.
    {110, "Numer grupy towarowej poza zakresem."},
    // 111: Numer jednostki towarowej poza zakresem.
    {111, "Numer jednostki towarowej poza zakresem."},
    // 112: Błędna ilość miejsc po przecinku.
    {112, "B\263\352dna ilo\234\346 miejsc po przecinku."},
    // 113: Błąd w informacji o blokadzie towaru.
    {113, "B\263\271d w informacji o blokadzie towaru."},
    // 114: Błąd w informacji o opakowaniu.
    {114, "B\263\271d w informacji o opakowaniu."},
    // 115: Numer płatności poza zakresem.
    {115, "Numer p\263atno\234ci poza zakresem."},
    // 200: Nowa nazwa lub stawka dla towaru.
    {200, "Nowa nazwa lub stawka dla towaru."},
    // 201: Nie wszystkie dane zostały przeczytane.
    {201, "Nie wszystkie dane zosta\263y przeczytane."},
    // 202: Pod podanym numerem towaru brak danych.
    {202, "Pod podanym numerem towaru brak danych."},
    // 203: Numer kasjera poza zakresem.
    {203, "Numer kasjera poza zakresem."},
    // 204: Pod podanym numerem brak danych kasjera.
    {204, "Pod podanym numerem brak danych kasjera."},
    // 205: Kasjer ma otwartą zmianę.
    {205, "Kasjer ma otwart\271 zmian\352."},
    // 206: W danych tekstowych wystąpił błędny kod.
    {206, "W danych tekstowych wyst\271pi\263 b\263\352dny kod."},
    // 207: Rabat poza zakresem.
    {207, "Rabat poza zakresem."},
    // 208: Parametr poza zakresem.
    {208, "Parametr poza zakresem."},
    // 209: Towar posiada niezerowe stany sprzedaży lub zwrotów.
    {209, "Towar posiada niezerowe stany sprzeda\277y lub zwrot\363w."},
    // 210: Ilość wysuwów poza zakresem.
    {210, "Ilo\234\346 wysuw\363w poza zakresem."},
    // 211: Należy ustawić opcję PROGRAM SERWISU Z PC.
    {211, "Nale\277y ustawi\346 opcj\352 PROGRAM SERWISU Z PC."},
    // 228: Klawisz nie może być definiowany i odczytywany
    {228, "Klawisz nie mo\277e by\346 definiowany i odczytywany"},
    // 229: Brak miejsca na kwoty dla płatnosci z klawisza
    {229, "Brak miejsca na kwoty dla p\263atnosci z klawisza"},
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

} // namespace orbaklaw
