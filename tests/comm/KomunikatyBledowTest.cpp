// Every result code's message, written out here in UTF-8 so that a slip in
// the program's Windows-1250 table shows.
#include "format/KomunikatyBledow.h"
#include "tests/support/Cp1250.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace orbaklaw {
namespace {

std::string Tekst(const char8_t* utf8) {
    return reinterpret_cast<const char*>(utf8);
}

const std::map<int, std::string> Oczekiwane{
    {1, Tekst(u8"Zastrzeżona nazwa pliku wejściowego.")},
    {2, Tekst(u8"Zastrzeżona nazwa pliku wejściowego.")},
    {3, Tekst(u8"Brak nazwy pliku wyjściowego.")},
    {4, Tekst(u8"Zastrzeżona nazwa pliku wyjściowego.")},
    {5, Tekst(u8"Jednakowe nazwy plików wejściowego i wyjściowego.")},
    {6, Tekst(u8"Nie można otworzyć pliku wejściowego.")},
    {7, Tekst(u8"Nie można otworzyć pliku konfiguracji."
              "\r"
              u8"Naciśnij przycisk \"POŁĄCZENIE\" i ustaw ponownie parametry komunikacji")},
    {8, Tekst(u8"Nie można otworzyć pliku wyjściowego.")},
    {9, Tekst(u8"Nie można otworzyć pliku raportu.")},
    {10, Tekst(u8"Niekompletne dane w pliku wejściowym.")},
    {11, Tekst(u8"Niepoprawny format pliku wejściowego.")},
    {12, Tekst(u8"Niepoprawne dane w pliku wejściowym.")},
    {13, Tekst(u8"Niekompletne dane w pliku konfiguracji."
               "\r"
               u8"Naciśnij przycisk \"POŁĄCZENIE\" i ustaw ponownie parametry komunikacji")},
    {14, Tekst(u8"Brak skojarzenia w pliku konfiguracji."
               "\r"
               u8"Naciśnij przycisk \"POŁĄCZENIE\" i ustaw ponownie parametry komunikacji")},
    {15, Tekst(u8"Niepoprawne dane w pliku konfiguracji."
               "\r"
               u8"Naciśnij przycisk \"POŁĄCZENIE\" i ustaw ponownie parametry komunikacji")},
    {16, Tekst(u8"Niepoprawny format pliku konfiguracji."
               "\r"
               u8"Naciśnij przycisk \"POŁĄCZENIE\" i ustaw ponownie parametry komunikacji")},
    {17, Tekst(u8"Niemożliwy zapis do pliku wyjściowego.")},
    {18, Tekst(u8"Niemożliwy zapis do pliku raportu.")},
    {19, Tekst(u8"Numer kasy poza zakresem.")},
    {20, Tekst(u8"Wystąpił timeout nadawania."
               "\r"
               u8"Możliwe przyczyny błędu: "
               "\r"
               u8"- kasa nie jest podłączona do komputera,"
               "\r"
               u8"- kasa nie jest włączona,"
               "\r"
               u8"- kasa jest podłączona do innego portu szeregowego"
               "\r"
               u8"  niż wybrany w programie orbaklaw.")},
    {21, Tekst(u8"Wystąpił timeout odbierania. "
               "\r"
               u8"Możliwe przyczyny błędu: "
               "\r"
               u8"- kasa nie jest podłączona do komputera,"
               "\r"
               u8"- kasa nie jest włączona,"
               "\r"
               u8"- kasa jest podłączona do innego portu szeregowego"
               "\r"
               u8"  niż wybrany w programie orbaklaw,"
               "\r"
               u8"- w kasie jest wybrana inna szybkość transmisji"
               "\r"
               u8"  niż w programie orbaklaw.")},
    {22, Tekst(u8"Pod podanym skojarzeniem kasa o innym numerze."
               "\r"
               u8"Naciśnij przycisk \"POŁĄCZENIE\" i ustaw ponownie parametry komunikacji")},
    {23, Tekst(u8"Niepoprawna odpowiedź z kasy.")},
    {24, Tekst(u8"Odpowiedź z kasy : NAK.")},
    {25, Tekst(u8"Rozkaz niedostepny w tej wersji programu kasy.")},
    {101, Tekst(u8"Pamięć została skasowana. Ustaw zegar programem serwisowym tilladm.exe")},
    {102, Tekst(u8"Błąd w nazwie towaru.")},
    {103, Tekst(u8"Błąd w stawce podatkowej towaru")},
    {104, Tekst(u8"Brak miejsca na opakowanie.")},
    {105, Tekst(u8"Błędny numer towaru.")},
    {107, Tekst(u8"Brak miejsca na towary wiązane.")},
    {108, Tekst(u8"Za duży kod kreskowy.")},
    {109, Tekst(u8"Za duża cena.")},
    {110, Tekst(u8"Numer grupy towarowej poza zakresem.")},
    {111, Tekst(u8"Numer jednostki towarowej poza zakresem.")},
    {112, Tekst(u8"Błędna ilość miejsc po przecinku.")},
    {113, Tekst(u8"Błąd w informacji o blokadzie towaru.")},
    {114, Tekst(u8"Błąd w informacji o opakowaniu.")},
    {115, Tekst(u8"Numer płatności poza zakresem.")},
    {200, Tekst(u8"Nowa nazwa lub stawka dla towaru.")},
    {201, Tekst(u8"Nie wszystkie dane zostały przeczytane.")},
    {202, Tekst(u8"Pod podanym numerem towaru brak danych.")},
    {203, Tekst(u8"Numer kasjera poza zakresem.")},
    {204, Tekst(u8"Pod podanym numerem brak danych kasjera.")},
    {205, Tekst(u8"Kasjer ma otwartą zmianę.")},
    {206, Tekst(u8"W danych tekstowych wystąpił błędny kod.")},
    {207, Tekst(u8"Rabat poza zakresem.")},
    {208, Tekst(u8"Parametr poza zakresem.")},
    {209, Tekst(u8"Towar posiada niezerowe stany sprzedaży lub zwrotów.")},
    {210, Tekst(u8"Ilość wysuwów poza zakresem.")},
    {211, Tekst(u8"Należy ustawić opcję PROGRAM SERWISU Z PC.")},
    {228, Tekst(u8"Klawisz nie może być definiowany i odczytywany")},
    {229, Tekst(u8"Brak miejsca na kwoty dla płatnosci z klawisza")},
};

TEST(KomunikatyBledow, EveryCodeHasItsTextByteForByte) {
    for (int kod = 0; kod < 256; ++kod) {
        auto it = Oczekiwane.find(kod);
        const std::string oczekiwany = it == Oczekiwane.end() ? "" : test::Cp1250(it->second);
        EXPECT_EQ(KomunikatBledu(static_cast<uint8_t>(kod)), oczekiwany) << "code " << kod;
        EXPECT_EQ(MaKomunikat(static_cast<uint8_t>(kod)), it != Oczekiwane.end());
    }
    EXPECT_EQ(Oczekiwane.size(), 53u);
}

TEST(KomunikatyBledow, CodesWithoutAMessageShowAnEmptyText) {
    for (int kod : {0, 26, 100, 106, 116, 199, 212, 227, 230, 255})
        EXPECT_STREQ(KomunikatBledu(static_cast<uint8_t>(kod)), "") << kod;
    EXPECT_STREQ(KomunikatBledu(2), KomunikatBledu(1));
}

TEST(KodZeStatusu, MapsStatusBytesToResultCodes) {
    const std::pair<int, int> przypadki[] = {
        {0, 0},     {25, 25},  {26, 101},   {30, 105},   {31, 107},  {39, 115},
        {40, 200},  {50, 210}, {51, 255},   {62, 255},   {63, 211},  {64, 255},
        {127, 255}, {0x80, 0}, {0x9A, 101}, {0xBF, 211}, {0xFF, 255}};
    for (auto [status, kod] : przypadki)
        EXPECT_EQ(KodZeStatusu(static_cast<uint8_t>(status)), kod) << status;
}

TEST(KodZeStatusu, EveryMappedCodeButTheUnknownOneHasAMessage) {
    for (int status = 0; status < 256; ++status) {
        const uint8_t kod = KodZeStatusu(static_cast<uint8_t>(status));
        EXPECT_EQ(kod, KodZeStatusu(static_cast<uint8_t>(status & 0x7F)));
        if (kod != 0 && kod != 255) {
            EXPECT_TRUE(MaKomunikat(kod)) << status;
        }
    }
}

} // namespace
} // namespace orbaklaw
