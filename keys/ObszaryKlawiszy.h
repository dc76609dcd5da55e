#pragma once
// Which key a press on the keyboard picture chooses. The areas follow the
// first-line label fields as they stand at the moment of the press.

#include "appearance/PolaEtykiet.h"

#include <array>
#include <optional>

namespace orbaklaw {

// Current places of the first-line fields, by key position 0..18.
using MiejscaPierwszychLinii = std::array<ProstokatPola, 19>;

// The places as laid out.
MiejscaPierwszychLinii UkladPierwszychLinii();

// The first key, in position order, whose area holds (x, y); bounds are
// inclusive. An area covers both label lines (twice the field's height);
// a digit's reaches one field width to the left of its field.
std::optional<int> KlawiszWPunkcie(const MiejscaPierwszychLinii& pola, int x, int y);

} // namespace orbaklaw
