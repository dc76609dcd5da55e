#include "appearance/OknoKalibracji.h"

#include "appearance/StronaKalibracji.h"
#include "ui/Dialogi.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orbaklaw {

namespace {

// Printing the page and keeping measurements both need a printer.
QString BrakDrukarki() {
    return QStringLiteral("Brak drukarki do kalibracji.");
}

QString Tekst(double mm) {
    return QLocale(QLocale::Polish).toString(mm, 'f', 2);
}

std::optional<double> Dlugosc(QString tekst) {
    tekst = tekst.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    bool dobra = false;
    const double mm = tekst.toDouble(&dobra);
    if (!dobra || !PoprawnyPomiar(mm))
        return std::nullopt;
    return mm;
}

QLineEdit* PoleDlugosci(const char* nazwa, QWidget* rodzic) {
    auto* pole = new QLineEdit(rodzic);
    pole->setObjectName(QString::fromLatin1(nazwa));
    pole->setMaxLength(8);
    return pole;
}

} // namespace

OknoKalibracji::OknoKalibracji(const PomiaryDrukarek& pomiary, const QStringList& drukarki,
                               const QString& domyslna, Dialogi& dialogi, QWidget* rodzic)
    : QDialog(rodzic), pomiary_(pomiary), dialogi_(dialogi), cbDrukarka_(new QComboBox(this)),
      ePoziomo_(PoleDlugosci("ePoziomo", this)), ePionowo_(PoleDlugosci("ePionowo", this)) {
    setObjectName(QStringLiteral("OknoKalibracji"));
    setWindowTitle(TytulKalibracji());
    cbDrukarka_->setObjectName(QStringLiteral("cbDrukarka"));
    cbDrukarka_->addItems(drukarki);
    cbDrukarka_->setCurrentIndex(std::max(0, static_cast<int>(drukarki.indexOf(domyslna))));

    auto* opis = new QLabel(
        QStringLiteral("Wydrukuj stronę kalibracji, zmierz linijką obie podziałki (od kreski 0 "
                       "do 100) i wpisz, ile naprawdę mają. Każdy wydruk wkładki na tej "
                       "drukarce zostanie poprawiony tak, by miał 111,25 × 103,21 mm."),
        this);
    opis->setWordWrap(true);
    auto* drukuj = new QPushButton(QStringLiteral("Drukuj stronę kalibracji"), this);
    drukuj->setObjectName(QStringLiteral("bDrukujStrone"));
    drukuj->setAutoDefault(false);
    connect(drukuj, &QPushButton::clicked, this, [this] { DrukujStrone(); });

    auto* formularz = new QFormLayout;
    formularz->addRow(QStringLiteral("Drukarka:"), cbDrukarka_);
    formularz->addRow(QString(), drukuj);
    formularz->addRow(QStringLiteral("Linijka pozioma (100 mm) ma [mm]:"), ePoziomo_);
    formularz->addRow(QStringLiteral("Linijka pionowa (100 mm) ma [mm]:"), ePionowo_);

    auto* przyciski = new QDialogButtonBox(this);
    auto* zapisz = przyciski->addButton(QStringLiteral("Zapisz"), QDialogButtonBox::AcceptRole);
    zapisz->setObjectName(QStringLiteral("bZapisz"));
    zapisz->setDefault(true);
    przyciski->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("bAnuluj"));
    connect(przyciski, &QDialogButtonBox::accepted, this, [this] { Zapisz(); });
    connect(przyciski, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(opis);
    uklad->addLayout(formularz);
    uklad->addWidget(przyciski);
    connect(cbDrukarka_, &QComboBox::currentIndexChanged, this, [this] { PokazPomiar(); });
    PokazPomiar();
    resize(480, sizeHint().height());
}

std::string OknoKalibracji::Drukarka() const {
    return cbDrukarka_->currentText().toStdString();
}

void OknoKalibracji::PokazPomiar() {
    const auto it = pomiary_.find(Drukarka());
    const PomiarLinijek pomiar = it == pomiary_.end() ? PomiarLinijek{} : it->second;
    ePoziomo_->setText(Tekst(pomiar.poziomo));
    ePionowo_->setText(Tekst(pomiar.pionowo));
}

void OknoKalibracji::DrukujStrone() {
    if (cbDrukarka_->currentText().isEmpty()) {
        dialogi_.Blad(BrakDrukarki());
        return;
    }
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setPrinterName(cbDrukarka_->currentText());
    const WynikWydruku wynik = DrukujStroneKalibracji(drukarka);
    if (!wynik.udany)
        dialogi_.Blad(wynik.blad);
}

void OknoKalibracji::Zapisz() {
    const auto poziomo = Dlugosc(ePoziomo_->text());
    const auto pionowo = Dlugosc(ePionowo_->text());
    if (Drukarka().empty()) {
        dialogi_.Blad(BrakDrukarki());
        return;
    }
    if (!poziomo || !pionowo) {
        dialogi_.Blad(QStringLiteral("Wpisz długość każdej linijki w milimetrach, od 50 do 200 "
                                     "(np. 99,5)."));
        return;
    }
    pomiar_ = {*poziomo, *pionowo};
    accept();
}

} // namespace orbaklaw
