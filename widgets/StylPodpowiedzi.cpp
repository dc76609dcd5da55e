#include "widgets/StylPodpowiedzi.h"

#include <QWidget>

namespace orbaklaw {

int StylPodpowiedzi::styleHint(StyleHint hint, const QStyleOption* opcja, const QWidget* widget,
                               QStyleHintReturn* zwrot) const {
    if (hint == SH_ToolTip_WakeUpDelay)
        return PauzaPodpowiedzi;
    return QProxyStyle::styleHint(hint, opcja, widget, zwrot);
}

void StylPodpowiedzi::UstawCzasPodpowiedzi(QWidget& okno) {
    okno.setToolTipDuration(CzasPodpowiedzi);
    for (QWidget* w : okno.findChildren<QWidget*>())
        w->setToolTipDuration(CzasPodpowiedzi);
}

} // namespace orbaklaw
