#pragma once
// A register with program version 1 cannot take the EURO payment or
// function 18; choosing either in the panel says so (the choice stays).

#include <QObject>

class QComboBox;

namespace orbaklaw {

class Akcje;
class Dialogi;
struct StanKlawiszy;

class OstrzezeniaWersji : public QObject {
    Q_OBJECT

public:
    OstrzezeniaWersji(QComboBox& cbPlatnosc, QComboBox& cbFunkcja, Dialogi& dialogi,
                      const Akcje& akcje, const StanKlawiszy& stan);

    void cbPlatnoscChange();
    void cbFunkcjaChange();

private:
    void Ostrzez();

    QComboBox& cbPlatnosc_;
    QComboBox& cbFunkcja_;
    Dialogi& dialogi_;
    const StanKlawiszy* stan_;
};

} // namespace orbaklaw
