#pragma once
// Hints come up 10 ms after the pointer rests over a control and stay one
// second, quicker than Qt's defaults.

#include <QProxyStyle>

namespace orbaklaw {

class StylPodpowiedzi : public QProxyStyle {
    Q_OBJECT

public:
    static constexpr int PauzaPodpowiedzi = 10;  // ms before a hint shows
    static constexpr int CzasPodpowiedzi = 1000; // ms a hint stays

    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* opcja, const QWidget* widget,
                  QStyleHintReturn* zwrot) const override;

    // Gives every control of `okno` that has a hint the one-second showing time.
    static void UstawCzasPodpowiedzi(QWidget& okno);
};

} // namespace orbaklaw
