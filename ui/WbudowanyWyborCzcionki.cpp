#include "ui/WbudowanyWyborCzcionki.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QListView>
#include <QStringListModel>

namespace orbaklaw {

namespace {
// Italic and oblique faces both count as slanted.
bool Pochyly(const QString& rodzina, const QString& styl) {
    return QFontDatabase::font(rodzina, styl, 10).style() != QFont::StyleNormal;
}
} // namespace

WbudowanyWyborCzcionki::WbudowanyWyborCzcionki(const QFont& czcionka, QDialog& okno)
    : QFontDialog(czcionka, &okno), okno_(okno) {
    setOptions(QFontDialog::NoButtons);
    setWindowFlags(Qt::Widget);
    setSizeGripEnabled(false); // the dialog around has its own edge
    // Qt's chooser lists faces, styles and sizes, in that order.
    const auto listy = findChildren<QListView*>();
    if (listy.size() >= 2) {
        rodziny_ = listy.at(0);
        style_ = listy.at(1);
    }
    rodzina_ = currentFont().family();
    styl_ = StylNaLiscie();
    waga_ = QFontDatabase::weight(rodzina_, styl_);
    kursywa_ = Pochyly(rodzina_, styl_);
    connect(this, &QFontDialog::currentFontChanged, this, &WbudowanyWyborCzcionki::PilnujStylu);
}

QString WbudowanyWyborCzcionki::StylNaLiscie() const {
    return style_ != nullptr ? style_->currentIndex().data().toString() : QString();
}

void WbudowanyWyborCzcionki::PilnujStylu(const QFont& czcionka) {
    if (przywracanie_ || style_ == nullptr)
        return;
    if (czcionka.family() != rodzina_) {
        rodzina_ = czcionka.family();
        PrzywrocStyl();
        return;
    }
    // Typing a face's name walks through the list: only a choice made
    // elsewhere (the style or size list) is the user's style.
    if (rodziny_->hasFocus())
        return;
    styl_ = StylNaLiscie();
    waga_ = QFontDatabase::weight(rodzina_, styl_);
    kursywa_ = Pochyly(rodzina_, styl_);
}

void WbudowanyWyborCzcionki::PrzywrocStyl() {
    const QStringList style = QFontDatabase::styles(rodzina_);
    qsizetype wiersz = style.indexOf(styl_);
    const bool waski = styl_.contains(QLatin1String("Condensed"));
    for (qsizetype i = 0; wiersz < 0 && i < style.size(); ++i) {
        if (QFontDatabase::weight(rodzina_, style[i]) == waga_ &&
            Pochyly(rodzina_, style[i]) == kursywa_ &&
            style[i].contains(QLatin1String("Condensed")) == waski)
            wiersz = i;
    }
    for (qsizetype i = 0; wiersz < 0 && i < style.size(); ++i) {
        if (QFontDatabase::weight(rodzina_, style[i]) == waga_ &&
            Pochyly(rodzina_, style[i]) == kursywa_)
            wiersz = i;
    }
    auto* model = qobject_cast<QStringListModel*>(style_->model());
    if (wiersz < 0 || model == nullptr)
        return;
    const auto nr = static_cast<int>(model->stringList().indexOf(style[wiersz]));
    if (nr < 0 || style_->currentIndex().row() == nr)
        return;
    przywracanie_ = true;
    style_->setCurrentIndex(model->index(nr));
    przywracanie_ = false;
}

void WbudowanyWyborCzcionki::done(int wynik) {
    okno_.done(wynik);
}

void WbudowanyWyborCzcionki::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->ignore();
        return;
    }
    QFontDialog::keyPressEvent(e);
}

} // namespace orbaklaw
