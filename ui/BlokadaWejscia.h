#pragma once
// While it lives, no input reaches any widget of the program: mouse, keys,
// wheel, shortcuts, drops and window closes are dropped, whether they come
// from the user or were posted. A register exchange holds one, so that
// what is clicked or typed meanwhile is never acted on afterwards.

#include <QObject>

namespace orbaklaw {

class BlokadaWejscia : public QObject {
    Q_OBJECT

public:
    BlokadaWejscia();
    ~BlokadaWejscia() override;
    BlokadaWejscia(const BlokadaWejscia&) = delete;
    BlokadaWejscia& operator=(const BlokadaWejscia&) = delete;

    static bool Wejscie(const QEvent& e);

protected:
    bool eventFilter(QObject* obiekt, QEvent* e) override;
};

} // namespace orbaklaw
