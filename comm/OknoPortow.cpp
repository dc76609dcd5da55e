#include "comm/OknoPortow.h"

#include "files/PlikTekstowy.h"
#include "format/UrzadzeniePortu.h"
#include "ui/Akcje.h"
#include "ui/Czcionki.h"
#include "ui/Dialogi.h"
#include "ui/SciezkaSystemu.h"
#include "ui/TekstBledu.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbaklaw {

namespace {
QString Pokazana(const std::string& sciezka) {
    return SciezkaDoPokazania(sciezka);
}
} // namespace

QString DopiskDomyslnego() {
    return QStringLiteral(" (domyślnie)");
}

QString OpisUrzadzenia(const platform::UrzadzenieSzeregowe& u) {
    QString tekst = Pokazana(u.sciezka);
    QStringList szczegoly;
    if (!u.opis.empty())
        szczegoly << QString::fromLocal8Bit(u.opis);
    if (!u.cel.empty())
        szczegoly << Pokazana(u.cel);
    if (!szczegoly.isEmpty())
        tekst += QStringLiteral(" (") + szczegoly.join(QStringLiteral(", ")) + QLatin1Char(')');
    return tekst;
}

OknoPortow::OknoPortow(QWidget* rodzic, Dialogi& dialogi, const Akcje& akcje,
                       const platform::FolderyUrzadzen& foldery, std::filesystem::path plik)
    : QDialog(rodzic), dialogi_(dialogi), plik_(std::move(plik)) {
    setObjectName(QStringLiteral("OknoPortow"));
    setWindowTitle(QStringLiteral("Porty szeregowe"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(CzcionkaOkna(9));
    setModal(true);
    auto* uklad = new QVBoxLayout(this);
    auto* opis = new QLabel(QStringLiteral("Urządzenie, którym jest każdy port COM (puste: "
                                           "urządzenie domyślne portu):"),
                            this);
    uklad->addWidget(opis);
    auto* siatka = new QGridLayout;
    siatka->setColumnStretch(1, 1);
    uklad->addLayout(siatka);
    const auto urzadzenia = platform::UrzadzeniaSzeregowe(foldery);
    const auto przypisanie = PrzypisaniePortow::Czytaj(plik_);
    for (int com = 1; com <= LiczbaPortow; ++com) {
        UtworzPort(com, urzadzenia, przypisanie);
        auto* nazwa = new QLabel(QStringLiteral("COM%1").arg(com), this);
        nazwa->setBuddy(Port(com));
        siatka->addWidget(nazwa, com - 1, 0);
        siatka->addWidget(Port(com), com - 1, 1);
        const auto zmienna = UrzadzenieCom(com, plik_);
        if (zmienna.zrodlo == ZrodloUrzadzenia::Zmienna) {
            Port(com)->setEditText(Pokazana(zmienna.urzadzenie));
            Port(com)->setEnabled(false);
            siatka->addWidget(new QLabel(QStringLiteral("(zmienna ORBAKLAW_COM%1)").arg(com), this),
                              com - 1, 2);
        }
    }
    auto* plikOpis =
        new QLabel(QStringLiteral("Zapisywane w pliku ") + Pokazana(plik_.string()), this);
    plikOpis->setObjectName(QStringLiteral("PlikPortow"));
    uklad->addWidget(plikOpis);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    KlawZapisz = new QPushButton(QStringLiteral("Zapisz"), this);
    KlawZapisz->setObjectName(QStringLiteral("KlawZapisz"));
    KlawAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    KlawAnuluj->setObjectName(QStringLiteral("KlawAnuluj"));
    przyciski->addWidget(KlawZapisz);
    przyciski->addWidget(KlawAnuluj);
    uklad->addLayout(przyciski);
    KlawZapisz->setDefault(true);
    akcje.Podlacz(KlawZapisz, &QPushButton::clicked, this, [this] { KlawZapiszClick(); });
    connect(KlawAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    resize(qMax(sizeHint().width(), 560), sizeHint().height());
}

void OknoPortow::UtworzPort(int com, const std::vector<platform::UrzadzenieSzeregowe>& urzadzenia,
                            const PrzypisaniePortow& przypisanie) {
    auto* wybor = new QComboBox(this);
    wybor->setObjectName(QStringLiteral("Port%1").arg(com));
    wybor->setEditable(true);
    wybor->setInsertPolicy(QComboBox::NoInsert);
    wybor->addItem(QString(), QString());
    for (const auto& u : urzadzenia)
        wybor->addItem(OpisUrzadzenia(u), Pokazana(u.sciezka));
    wybor->lineEdit()->setPlaceholderText(Pokazana(platform::DomyslneUrzadzeniePortu(com)) +
                                          DopiskDomyslnego());
    const QString obecne = Pokazana(przypisanie.Urzadzenie(com).value_or(""));
    const int pozycja = obecne.isEmpty() ? 0 : wybor->findData(obecne);
    if (pozycja >= 0)
        wybor->setCurrentIndex(pozycja);
    else
        wybor->setEditText(obecne);
    Porty[static_cast<size_t>(com - 1)] = wybor;
}

QString OknoPortow::Wybrane(int com) const {
    const QComboBox* wybor = Port(com);
    const int i = wybor->currentIndex();
    if (i >= 0 && wybor->itemText(i) == wybor->currentText())
        return wybor->itemData(i).toString();
    return wybor->currentText().trimmed();
}

void OknoPortow::KlawZapiszClick() {
    PrzypisaniePortow przypisanie = PrzypisaniePortow::Czytaj(plik_);
    for (int com = 1; com <= LiczbaPortow; ++com)
        if (Port(com)->isEnabled())
            przypisanie.Ustaw(com, SciezkaSystemu(Wybrane(com)).string());
    if (auto zapis = przypisanie.Zapisz(plik_); !zapis) {
        dialogi_.Blad(QStringLiteral("Nie zapisano przypisania portów.\r") +
                      TekstBledu(zapis.Blad()));
        return;
    }
    accept();
}

} // namespace orbaklaw
