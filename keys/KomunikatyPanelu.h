#pragma once
// Messages of the definition editor panel (Windows-1250; "\r" and "\n" are
// the line breaks the register maker's program used).

namespace orbaklaw {

const char* KomunikatKwoty();           // the amount is not a number
const char* KomunikatLimituPlatnosci(); // a ninth counted payment
const char* KomunikatWersjiKasy();      // EURO or function 18 on a version 1 register
const char* KomunikatBrakTowaru();      // the goods chooser has no item chosen
const char* KomunikatBrakFunkcji();
const char* KomunikatBrakPlatnosci();

} // namespace orbaklaw
