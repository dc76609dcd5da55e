#pragma once
// The two button groups of the main window: "Definicje klawiszy" and
// "Wygląd klawiatury".

class QGroupBox;
class QPushButton;
class QWidget;

namespace orbaklaw {

class PrzyciskiOkna {
public:
    explicit PrzyciskiOkna(QWidget* okno);

    QGroupBox* grupaDefinicji;
    QPushButton* bOdczyt;
    QPushButton* bZapis;
    QPushButton* Button4;
    QPushButton* bKasowanie;
    QPushButton* bOdczytPlik;
    QPushButton* bZapisPlik;

    QGroupBox* grupaWygladu;
    QPushButton* Button2;
    QPushButton* bbDrukuj;
    QPushButton* BitBtnOdczyt;
    QPushButton* BitBtn1;
    QPushButton* bCzcionka;
    QPushButton* Button1;

private:
    void UtworzDefinicje(QWidget* okno);
    void UtworzWyglad(QWidget* okno);
};

} // namespace orbaklaw
