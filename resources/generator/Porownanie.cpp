#include "Porownanie.h"

#include <QFile>
#include <QImage>

#include <cstdlib>

namespace orbaklaw::rysunek {

namespace {

bool Bliskie(int a, int b) {
    return std::abs(a - b) <= 1;
}

bool TeSameObrazy(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (!Bliskie(qRed(p), qRed(q)) || !Bliskie(qGreen(p), qGreen(q)) ||
                !Bliskie(qBlue(p), qBlue(q)) || !Bliskie(qAlpha(p), qAlpha(q)))
                return false;
        }
    return true;
}

QByteArray Bajty(const QString& plik) {
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

bool TenSamObraz(const QString& narysowany, const QString& zapisany) {
    const QByteArray a = Bajty(narysowany);
    const QByteArray b = Bajty(zapisany);
    if (a == b)
        return true;
    const QImage obrazA = QImage::fromData(a);
    const QImage obrazB = QImage::fromData(b);
    if (!obrazA.isNull() && !obrazB.isNull())
        return TeSameObrazy(obrazA.convertToFormat(QImage::Format_ARGB32),
                            obrazB.convertToFormat(QImage::Format_ARGB32));
    if (a.size() != b.size() || narysowany.endsWith(QStringLiteral(".svg")))
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!Bliskie(static_cast<unsigned char>(a[i]), static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace orbaklaw::rysunek
