#pragma once
// An animated cursor file decoded into pictures: each frame through Qt's
// ICO/CUR reader, with its hot spot.

#include "widgets/PlikAni.h"

#include <QByteArray>
#include <QImage>
#include <QPoint>

#include <optional>
#include <vector>

namespace orbaklaw {

constexpr int NajwiekszyBokKursora = 256;

struct KlatkaKursora {
    QImage obraz;
    QPoint punktAktywny; // the hot spot
};

struct KursorAnimowany {
    std::vector<KlatkaKursora> klatki;
    std::vector<AnimacjaAni::Krok> kroki;
};

// Nothing unless the file and every one of its frames can be read.
std::optional<KursorAnimowany> DekodujKursorAni(const QByteArray& dane);

// One ICO or CUR file: its first picture and hot spot (the middle for an icon).
std::optional<KlatkaKursora> DekodujKlatkeKursora(const std::string& plik);

} // namespace orbaklaw
