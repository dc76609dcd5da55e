#pragma once
// The print preview: Qt's preview of the page as it will print, with Polish
// zoom buttons, shown at true size where the screen tells its size. "Drukuj..."
// goes on to the print dialog; "Zamknij" prints nothing.

#include <QDialog>

#include <functional>

class QPrinter;
class QPrintPreviewWidget;

namespace orbaklaw {

class OknoPodgladu : public QDialog {
    Q_OBJECT

public:
    OknoPodgladu(QPrinter& drukarka, std::function<void(QPrinter&)> rysuj, QWidget* rodzic);

    // The zoom that shows the page at its true size on this screen: 1 where
    // the screen's size is unknown.
    double SkalaRzeczywista() const;
    QPrintPreviewWidget* Podglad() const { return podglad_; }

private:
    void RzeczywistyRozmiar();

    QPrintPreviewWidget* podglad_;
    std::function<void(QPrinter&)> rysuj_;
};

} // namespace orbaklaw
