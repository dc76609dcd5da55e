#include "transfer/OknoKopii.h"

#include "state/StanProgramu.h"
#include "transfer/PorownanieDefinicji.h"
#include "transfer/SprawdzenieKasy.h"
#include "ui/Dialogi.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace orbaklaw {

OknoKopii::OknoKopii(QWidget* rodzic, Dialogi& dialogi, std::filesystem::path folder,
                     std::vector<KopiaKasy> kopie, const StanProgramu& stan)
    : QDialog(rodzic), dialogi_(dialogi), folder_(std::move(folder)), kopie_(std::move(kopie)),
      stan_(stan) {
    setObjectName(QStringLiteral("OknoKopii"));
    setWindowTitle(QStringLiteral("Kopie zapasowe"));
    lista_ = new QTreeWidget(this);
    lista_->setObjectName(QStringLiteral("ListaKopii"));
    lista_->setRootIsDecorated(false);
    lista_->setHeaderLabels({QStringLiteral("Data i godzina"), QStringLiteral("Zdefiniowane"),
                             QStringLiteral("Różne od tablic"), QStringLiteral("Plik")});
    for (const auto& k : kopie_) {
        const QString plik = QString::fromStdString(k.plik.filename().string());
        auto* w = new QTreeWidgetItem(
            lista_, k.poprawna ? QStringList{QString::fromStdString(k.czas),
                                             QString::number(k.zdefiniowane),
                                             QString::number(k.rozne), plik}
                               : QStringList{QString::fromStdString(k.czas),
                                             QStringLiteral("błędny plik"), QString(), plik});
        Q_UNUSED(w);
    }
    lista_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (!kopie_.empty())
        lista_->setCurrentItem(lista_->topLevelItem(0));
    auto* przyciski = new QDialogButtonBox(this);
    const auto dodaj = [&](const QString& tekst, const char* nazwa, auto akcja) {
        auto* p = przyciski->addButton(tekst, QDialogButtonBox::ActionRole);
        p->setObjectName(QString::fromLatin1(nazwa));
        p->setAutoDefault(false);
        connect(p, &QPushButton::clicked, this, akcja);
    };
    dodaj(QStringLiteral("&Porównaj"), "Porownaj", [this] { Porownaj(); });
    dodaj(QStringLiteral("&Wczytaj"), "Wczytaj", [this] { Wczytaj(); });
    dodaj(QStringLiteral("&Otwórz folder"), "OtworzFolder", [this] { OtworzFolder(); });
    przyciski->addButton(QStringLiteral("&Zamknij"), QDialogButtonBox::RejectRole);
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(lista_);
    uklad->addWidget(przyciski);
    resize(560, 320);
}

const KopiaKasy* OknoKopii::Wybrana() const {
    const int i = lista_->indexOfTopLevelItem(lista_->currentItem());
    return i >= 0 && i < static_cast<int>(kopie_.size()) ? &kopie_[static_cast<size_t>(i)]
                                                         : nullptr;
}

void OknoKopii::Porownaj() {
    const KopiaKasy* k = Wybrana();
    if (k == nullptr || !k->poprawna)
        return;
    const auto roznice = orbaklaw::Porownaj(k->definicje, stan_.tablice);
    if (roznice.empty()) {
        dialogi_.Komunikat(QStringLiteral("Kopia jest taka sama jak tablice."));
        return;
    }
    const NazwyKasy nazwy = NazwyZeStanu(stan_);
    QString tekst = QStringLiteral("Kopia różni się od tablic (klawiszy: %1):").arg(roznice.size());
    for (const auto& r : roznice)
        tekst += QStringLiteral("\r") + WierszRoznicy(r, QStringLiteral(" / w tablicach: "), nazwy);
    dialogi_.Komunikat(tekst);
}

void OknoKopii::Wczytaj() {
    const KopiaKasy* k = Wybrana();
    if (k == nullptr)
        return;
    doWczytania_ = k->plik;
    accept();
}

void OknoKopii::OtworzFolder() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder_.string())));
}

} // namespace orbaklaw
