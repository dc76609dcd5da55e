#include "transfer/ListaKlawiszyPdf.h"

#include "appearance/OdmowaDruku.h"
#include "format/ListyWyboru.h"
#include "ui/Tekst1250.h"

#include <QBuffer>
#include <QDateTime>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <array>

namespace orbaklaw {

namespace {

// The columns and the share of the page's width each takes.
struct Kolumna {
    const char* tytul;
    double udzial;
};
constexpr size_t LiczbaKolumn = 8;
constexpr std::array<Kolumna, LiczbaKolumn> Kolumny{{{"Wariant ALT", 0.14},
                                                     {"Klawisz", 0.07},
                                                     {"Rodzaj", 0.13},
                                                     {"Towar / funkcja / płatność", 0.35},
                                                     {"Kwota", 0.09},
                                                     {"1 szt.", 0.07},
                                                     {"Cena", 0.07},
                                                     {"Koniec", 0.08}}};

// Heading lines and the table's title row come before the 64 rows.
constexpr int WierszeNaglowka = 5;

QString Flaga(bool ustawiona) {
    return ustawiona ? QStringLiteral("tak") : QString();
}

std::array<QString, LiczbaKolumn> Komorki(const WierszListyKlawiszy& w) {
    return {Z1250(w.wariant).simplified(),
            Z1250(w.klawisz),
            Z1250(w.rodzaj),
            Z1250(w.definicja),
            Z1250(w.kwota),
            Flaga(w.flagi[0]),
            Flaga(w.flagi[1]),
            Flaga(w.flagi[2])};
}

// What the three flag columns of a goods item mean.
QString Legenda() {
    return QStringLiteral("Flagi towaru: 1 szt. – %1, Cena – %2, Koniec – %3")
        .arg(Z1250(TekstPojedynczo()), Z1250(TekstZaplata()), Z1250(TekstParagon()));
}

QString Zrodlo(const NaglowekListyKlawiszy& n) {
    QString tekst = n.numerKasy.empty() ? QStringLiteral("Kasa nr ?")
                                        : QStringLiteral("Kasa nr %1").arg(Z1250(n.numerKasy));
    tekst += QStringLiteral("   Data: %1").arg(QString::fromStdString(n.data));
    if (!n.zrodlo.empty())
        tekst += QStringLiteral("   Źródło: %1").arg(QString::fromStdString(n.zrodlo));
    return tekst;
}

class RysunekListy {
public:
    RysunekListy(QPainter& p, const QRectF& strona, int wierszy)
        : p_(p), strona_(strona), wysokosc_(strona.height() / (wierszy + WierszeNaglowka)) {
        czcionka_ = QFont(QStringLiteral("DejaVu Sans"));
        czcionka_.setPixelSize(std::max(1, static_cast<int>(wysokosc_ * 0.62)));
        // No ligatures: "fi" stays two letters, so that text taken from the
        // PDF reads as printed.
        czcionka_.setStyleStrategy(QFont::PreferNoShaping);
        p_.setFont(czcionka_);
    }

    void Naglowek(const NaglowekListyKlawiszy& n) {
        QFont tytul = czcionka_;
        tytul.setBold(true);
        tytul.setPixelSize(static_cast<int>(czcionka_.pixelSize() * 1.4));
        p_.setFont(tytul);
        Tekst(QRectF(strona_.left(), Y(0), strona_.width(), 1.5 * wysokosc_),
              QString::fromUtf8(TytulListyKlawiszy));
        p_.setFont(czcionka_);
        Tekst(QRectF(strona_.left(), Y(1.5), strona_.width(), wysokosc_), Zrodlo(n));
        Tekst(QRectF(strona_.left(), Y(2.5), strona_.width(), wysokosc_), Legenda());
    }

    void Tytuly() {
        QFont gruba = czcionka_;
        gruba.setBold(true);
        p_.setFont(gruba);
        std::array<QString, LiczbaKolumn> tytuly;
        for (size_t i = 0; i < Kolumny.size(); ++i)
            tytuly[i] = QString::fromUtf8(Kolumny[i].tytul);
        Wiersz(WierszeNaglowka - 1, tytuly);
        p_.setFont(czcionka_);
        p_.drawLine(QPointF(strona_.left(), Y(WierszeNaglowka)),
                    QPointF(strona_.right(), Y(WierszeNaglowka)));
    }

    void Wiersze(const std::vector<WierszListyKlawiszy>& wiersze) {
        for (size_t i = 0; i < wiersze.size(); ++i) {
            const double r = WierszeNaglowka + static_cast<double>(i);
            // A line between the ALT variants, a light band on every other row.
            if (i > 0 && wiersze[i].wariant != wiersze[i - 1].wariant)
                p_.drawLine(QPointF(strona_.left(), Y(r)), QPointF(strona_.right(), Y(r)));
            else if (i % 2 == 1)
                p_.fillRect(QRectF(strona_.left(), Y(r), strona_.width(), wysokosc_),
                            QColor(0xEE, 0xEE, 0xEE));
            Wiersz(r, Komorki(wiersze[i]));
        }
    }

private:
    double Y(double wiersz) const { return strona_.top() + wiersz * wysokosc_; }

    void Tekst(const QRectF& miejsce, const QString& tekst) {
        const QString widoczny = QFontMetricsF(p_.font()).elidedText(
            tekst, Qt::ElideRight, miejsce.width() - wysokosc_ * 0.2);
        p_.drawText(miejsce, Qt::AlignLeft | Qt::AlignVCenter, widoczny);
    }

    void Wiersz(double r, const std::array<QString, LiczbaKolumn>& komorki) {
        double x = strona_.left();
        for (size_t i = 0; i < Kolumny.size(); ++i) {
            const double szerokosc = strona_.width() * Kolumny[i].udzial;
            Tekst(QRectF(x + wysokosc_ * 0.1, Y(r), szerokosc, wysokosc_), komorki[i]);
            x += szerokosc;
        }
    }

    QPainter& p_;
    QRectF strona_;
    double wysokosc_;
    QFont czcionka_;
};

void UstawStrone(QPagedPaintDevice& urzadzenie) {
    urzadzenie.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 12, 12, 12), QPageLayout::Millimeter));
}

} // namespace

bool RysujListeKlawiszy(QPagedPaintDevice& urzadzenie, const ListaKlawiszy& lista) {
    UstawStrone(urzadzenie);
    QPainter p;
    if (!p.begin(&urzadzenie))
        return false;
    const QRect strona = urzadzenie.pageLayout().paintRectPixels(
        urzadzenie.logicalDpiX()); // the painter starts at its top-left corner
    RysunekListy rysunek(p, QRectF(0, 0, strona.width(), strona.height()),
                         static_cast<int>(lista.wiersze.size()));
    rysunek.Naglowek(lista.naglowek);
    rysunek.Tytuly();
    rysunek.Wiersze(lista.wiersze);
    return p.end();
}

QByteArray ListaKlawiszyPdf(const ListaKlawiszy& lista) {
    QByteArray bajty;
    QBuffer bufor(&bajty);
    bufor.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bufor);
        pdf.setTitle(QString::fromUtf8(TytulListyKlawiszy));
        pdf.setCreator(QStringLiteral("orbaklaw"));
        pdf.setResolution(600);
        if (!RysujListeKlawiszy(pdf, lista))
            return {};
    }
    return bajty;
}

std::string DataListyKlawiszy() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
}

QString DrukujListeKlawiszy(QPrinter& drukarka, const ListaKlawiszy& lista) {
    drukarka.setDocName(QString::fromUtf8(TytulListyKlawiszy));
    if (!RysujListeKlawiszy(drukarka, lista))
        return NiePrzyjetoWydruku(drukarka, std::nullopt);
    if (const auto powod = OdmowaDruku(drukarka))
        return NiePrzyjetoWydruku(drukarka, powod);
    return {};
}

} // namespace orbaklaw
